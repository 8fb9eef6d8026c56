#include "name_hash.h"

namespace skinwright {

ResourceId NameHash(std::string_view name)
{
    std::int32_t h = 0;
    for (char c : name) {
        if (c == '\0')
            break;
        const auto widened = static_cast<std::int32_t>(static_cast<signed char>(c));
        const auto shiftedLeft = static_cast<std::int32_t>(static_cast<std::uint32_t>(h) << 1);
        h = (h >> 20) ^ shiftedLeft ^ widened;
    }
    return static_cast<ResourceId>(h);
}

}  // namespace skinwright
