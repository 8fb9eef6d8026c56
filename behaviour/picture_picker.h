// The Builder's picture picker: the open-file dialog for GIF files, several
// at once, starting in the work folder.
#pragma once

#include <filesystem>
#include <vector>

#include "system_dialogs.h"

namespace skinwright::behaviour {

class PicturePicker {
public:
    PicturePicker(const std::filesystem::path& initialFolder, WindowHandle owner,
                  SystemDialogs& dialogs);

    // The chosen files' full paths in the order the dialog reports them;
    // empty when cancelled.
    std::vector<std::filesystem::path> Show();

private:
    std::filesystem::path initialFolder_;
    WindowHandle owner_;
    SystemDialogs& dialogs_;
};

}  // namespace skinwright::behaviour
