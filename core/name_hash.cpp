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

int HexDigitValue(char character)
{
    if (character >= '1' && character <= '9')
        return character - '0';
    if (character >= 'a' && character <= 'f')
        return character - 'a' + 10;
    if (character >= 'A' && character <= 'F')
        return character - 'A' + 10;
    return 0;
}

std::uint32_t ReadLe32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteLe32(unsigned char* out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace skinwright
