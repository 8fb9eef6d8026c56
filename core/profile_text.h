// The text of a private-profile (INI) file: "[section]" lines, each followed
// by "key=value" lines. Section and key names, those asked for as well as
// those in the text, match without regard to ASCII case and to spaces and
// tabs around them; a value is the rest of its line after the first "=",
// byte for byte. The first matching section and key count.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skinwright {

// The value of the key, or none when the section or the key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The text with the key set to the value, adding the section and the key
// where missing and keeping every other line. A value ends at its first CR,
// LF or NUL, so it can never start lines of its own. None for a section or
// key name that could not be found again ("]", "=", line breaks, NUL, an
// empty key).
std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value);

}  // namespace skinwright
