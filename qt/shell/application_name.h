// The application's name: the executable's file name without its extension.
// It is the caption of every message box and the settings file's base name.
#pragma once

#include <QString>

namespace skinwright::shell {

// The running executable's name, and its folder ending in a separator.
QString ApplicationName();
QString ProgramFolder();

}  // namespace skinwright::shell
