// The Builder's picture picker: the open-file dialog for GIF files, several
// at once, starting in the work folder.
#pragma once

#include <filesystem>
#include <vector>

#include "behaviour/system_dialogs.h"

namespace skinwright::builder {

class PicturePicker {
public:
    PicturePicker(const std::filesystem::path& initialFolder, behaviour::WindowHandle owner,
                  behaviour::SystemDialogs& dialogs);

    // The chosen files' full paths in the order the dialog reports them;
    // empty when cancelled.
    std::vector<std::filesystem::path> Show();

private:
    std::filesystem::path initialFolder_;
    behaviour::WindowHandle owner_;
    behaviour::SystemDialogs& dialogs_;
};

}  // namespace skinwright::builder
