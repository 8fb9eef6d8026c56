#include "html_text.h"

#include <cstdio>

namespace skinwright::cli {
namespace {

bool IsUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

// The character reference that stands for a character HTML gives a meaning; empty for any other.
std::string_view ReferenceFor(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&#39;";
    default:
        return {};
    }
}

}  // namespace

std::string HtmlEscaped(std::string_view utf8)
{
    std::string escaped;
    escaped.reserve(utf8.size());
    for (const char c : utf8) {
        const std::string_view reference = ReferenceFor(c);
        if (reference.empty())
            escaped += c;
        else
            escaped += reference;
    }
    return escaped;
}

std::string RelativeUrl(std::string_view utf8FileName)
{
    std::string url = "./";
    for (const char c : utf8FileName) {
        if (IsUnreserved(c)) {
            url += c;
            continue;
        }
        char encoded[4];
        std::snprintf(encoded, sizeof encoded, "%%%02X", static_cast<unsigned char>(c));
        url += encoded;
    }
    return url;
}

}  // namespace skinwright::cli
