// The words of each kind of failure that more than one place tells.
#pragma once

#include <string>
#include <string_view>

namespace skinwright::behaviour {

// A file that could not be written: its path, then " Failed to save".
std::string FailedToSave(std::string_view path);
// How many of an export's pictures could not be written.
std::string FailedOfTotal(int failures, int total);

}  // namespace skinwright::behaviour
