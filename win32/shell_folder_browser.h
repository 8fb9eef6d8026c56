// The shell's folder browser (SHBrowseForFolder) run for the folder
// chooser: its events handed to the request's handlers, the folder chosen
// returned as a file-system path.
#pragma once

#include <filesystem>
#include <optional>

#include "behaviour/system_dialogs.h"

namespace skinwright::win32 {

// The chosen folder; none when cancelled or when the selection is not a
// file-system folder.
std::optional<std::filesystem::path> BrowseForShellFolder(const behaviour::FolderRequest& request);

}  // namespace skinwright::win32
