// The system dialogs of Windows behind the windows' one interface: message
// boxes, the common open and save dialogs and the shell's folder browser,
// all through the wide calls.
#pragma once

#include "behaviour/system_dialogs.h"

namespace skinwright::win32 {

class Win32SystemDialogs : public behaviour::SystemDialogs {
public:
    behaviour::MessageAnswer ShowMessage(const behaviour::MessageRequest& request) override;
    std::vector<std::filesystem::path> AskForFiles(const behaviour::FileRequest& request) override;
    std::optional<std::filesystem::path> BrowseForFolder(const behaviour::FolderRequest& request) override;
};

// "GIF File(*.gif)|*.gif|" as the common dialogs take a filter: each bar a
// zero character, the whole ending in two.
std::wstring CommonDialogFilter(const std::string& barSeparated);

// What a dialog reports: one full path, up to its zero (what follows is left
// of the name it started with); or where several files may be chosen, with
// more than one chosen, the folder then each name, zero-separated.
std::vector<std::filesystem::path> ChosenFiles(const wchar_t* buffer, bool multiSelect);

}  // namespace skinwright::win32
