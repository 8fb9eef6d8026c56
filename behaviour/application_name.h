// The application's name: the executable's file name without its extension.
// It is the caption of every message box and the settings file's base name.
#pragma once

#include <string>
#include <string_view>

namespace skinwright::behaviour {

// The part of a module path after its last "\", "/" or ":", cut at its last ".".
std::string ApplicationNameFromPath(std::string_view modulePath);

}  // namespace skinwright::behaviour
