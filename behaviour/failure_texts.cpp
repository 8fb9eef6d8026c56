#include "failure_texts.h"

namespace skinwright::behaviour {

std::string FailedToSave(std::string_view path)
{
    return std::string(path) + " Failed to save";
}

std::string FailedOfTotal(int failures, int total)
{
    return std::to_string(failures) + " of " + std::to_string(total) + " Failed to save";
}

}  // namespace skinwright::behaviour
