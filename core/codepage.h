// Windows-1252, the code page the phones store names and comments in, to and
// from UTF-8. Lossless both ways: the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace skinwright {

std::string Cp1252ToUtf8(std::string_view bytes);

// None when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot represent.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

bool IsValidUtf8(std::string_view text);

// The length in bytes of the text's first `characters` characters, so that a
// cut there never splits one. A byte that starts no well-formed character
// counts as a character of its own.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t characters);

}  // namespace skinwright
