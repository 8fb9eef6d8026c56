// What both windows take from the running program: the system dialogs, the
// settings file and the application name.
#pragma once

#include <filesystem>
#include <string>

#include "behaviour/system_dialogs.h"

namespace skinwright::win32 {

struct ProgramSetup {
    behaviour::SystemDialogs& dialogs;
    std::filesystem::path settingsFile;
    std::filesystem::path programFolder;  // ends in a separator
    std::string applicationName;
    bool portable = true;
};

}  // namespace skinwright::win32
