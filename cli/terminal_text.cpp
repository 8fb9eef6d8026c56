#include "terminal_text.h"

#include "core/file_names.h"

#include <cstdio>

#include "core/codepage.h"

namespace skinwright::cli {

std::string TerminalSafe(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::string_view character = utf8.substr(i, Utf8PrefixLength(utf8.substr(i), 1));
        i += character.size();
        const auto first = static_cast<unsigned char>(character[0]);
        char escaped[8];
        if (first < 0x20 || first == 0x7F || !IsValidUtf8(character)) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", first);
            out += escaped;
        } else if (first == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F) {
            std::snprintf(escaped, sizeof escaped, "\\u00%02X", static_cast<unsigned char>(character[1]));
            out += escaped;
        } else {
            out += character;
        }
    }
    return out;
}

std::string DisplayName(std::string_view cp1252)
{
    return TerminalSafe(Cp1252ToUtf8(cp1252));
}

std::string DisplayPath(const std::filesystem::path& path)
{
    return TerminalSafe(PathToUtf8(path));
}

}  // namespace skinwright::cli
