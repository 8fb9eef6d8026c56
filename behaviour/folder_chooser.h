// Lets the user pick a folder in the system's folder browser, starting at a
// folder the caller names, with the current selection's path (shortened)
// in the browser's status line. Each use creates one, shows it once and
// reads the path after OK.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "system_dialogs.h"

namespace skinwright::behaviour {

class FolderChooser {
public:
    enum Result { Ok = 1, Cancel = 2 };

    // An empty initial folder stands for DefaultFolder().
    FolderChooser(const std::filesystem::path& initialFolder, WindowHandle parent, SystemDialogs& dialogs);

    FolderChooser(const FolderChooser&) = delete;
    FolderChooser& operator=(const FolderChooser&) = delete;

    // Runs the browser modally over the parent: Ok with the chosen folder's
    // path, or Cancel when the user cancelled or chose something that is not
    // a file-system folder. The path is always the one the status line
    // showed last: where the browser returns another, it is that folder, or
    // Cancel when it is not one.
    int Show();

    // The chosen path; meaningful after Show returned Ok.
    std::filesystem::path GetPath() const;

    // More than 35 characters: the first 35 followed by "...".
    static std::string ShortenForStatus(std::string_view text);

private:
    // Selects the initial folder and shows it in the status line.
    void OnInitialized(FolderBrowser& browser);
    // Records the newly selected path and shows it in the status line.
    void OnSelectionChanged(FolderBrowser& browser, const std::filesystem::path& path);

    std::filesystem::path initialFolder_;
    WindowHandle parent_;
    SystemDialogs& dialogs_;
    std::filesystem::path chosenPath_;
    std::filesystem::path shownPath_;  // what the status line names
};

}  // namespace skinwright::behaviour
