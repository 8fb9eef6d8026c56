#include "application_name.h"

namespace skinwright::behaviour {

std::string ApplicationNameFromPath(std::string_view modulePath)
{
    const std::size_t separator = modulePath.find_last_of("\\/:");
    std::string_view name = separator == std::string_view::npos ? modulePath : modulePath.substr(separator + 1);
    return std::string(name.substr(0, name.rfind('.')));
}

}  // namespace skinwright::behaviour
