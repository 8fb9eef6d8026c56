// The resource name hash and the two number helpers the reader uses.
#pragma once

#include <cstdint>
#include <string_view>

namespace skinwright {

// A resource is identified by the 32-bit hash of its name.
using ResourceId = std::uint32_t;

// Hash of the name's bytes up to its first zero byte. Each byte is taken as
// a signed char; h = (h >> 20, arithmetic) ^ (h << 1) ^ byte.
ResourceId NameHash(std::string_view name);

// Value of one hexadecimal digit, either case; anything else counts as 0.
int HexDigitValue(char character);

// Little-endian 32-bit value of four bytes.
std::uint32_t ReadLe32(const unsigned char* bytes);
void WriteLe32(unsigned char* out, std::uint32_t value);

}  // namespace skinwright
