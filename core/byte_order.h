// How a packet stores its numbers: binary values as little-endian 32-bit
// words, the header offset as hexadecimal digits.
#pragma once

#include <cstdint>

namespace skinwright {

// Little-endian 32-bit value of four bytes.
inline std::uint32_t ReadLe32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void WriteLe32(unsigned char* out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Value of one hexadecimal digit, either case; anything else counts as 0.
inline int HexDigitValue(char character)
{
    if (character >= '1' && character <= '9')
        return character - '0';
    if (character >= 'a' && character <= 'f')
        return character - 'a' + 10;
    if (character >= 'A' && character <= 'F')
        return character - 'A' + 10;
    return 0;
}

}  // namespace skinwright
