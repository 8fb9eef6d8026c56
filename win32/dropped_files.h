// Files dropped from the shell on a window that takes them.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <vector>

namespace skinwright::win32 {

// The dropped files' paths in the order the drop lists them; the drop is
// finished and its memory freed.
std::vector<std::filesystem::path> TakeDroppedFiles(HDROP drop);

}  // namespace skinwright::win32
