#include "terminal_text.h"

#include "core/file_names.h"

#include <cstdio>

#include "core/codepage.h"

namespace skinwright::cli {

std::string TerminalSafe(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        char escaped[8];
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80
                   && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            std::snprintf(escaped, sizeof escaped, "\\u00%02X", static_cast<unsigned char>(utf8[++i]));
            out += escaped;
        } else {
            out += static_cast<char>(byte);
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
