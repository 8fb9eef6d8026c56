#include "failure_texts.h"

#include "translation.h"

namespace skinwright::behaviour {

std::string FailedToSave(std::string_view path)
{
    return TrFormat("%s Failed to save", {std::string(path)});
}

std::string FailedOfTotal(int failures, int total)
{
    return TrFormat("%d of %d Failed to save", {std::to_string(failures), std::to_string(total)});
}

}  // namespace skinwright::behaviour
