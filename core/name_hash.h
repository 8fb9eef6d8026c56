// The resource name hash.
#pragma once

#include <cstdint>
#include <string_view>

namespace skinwright {

// A resource is identified by the 32-bit hash of its name.
using ResourceId = std::uint32_t;

// Hash of the name's bytes up to its first zero byte. Each byte is taken as
// a signed char; h = (h >> 20, arithmetic) ^ (h << 1) ^ byte.
ResourceId NameHash(std::string_view name);

}  // namespace skinwright
