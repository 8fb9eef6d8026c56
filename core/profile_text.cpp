#include "profile_text.h"

#include <vector>

namespace skinwright {
namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// Lines with their LF, the last one perhaps without; a final line break ends
// the last line rather than starting an empty one.
std::vector<std::string_view> SplitRawLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

// Lines without their terminators: the LF and one CR before it.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines = SplitRawLines(text);
    for (std::string_view& line : lines) {
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
    }
    return lines;
}

// The section a "[name]" line opens; none for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trimmed(line.substr(0, line.find(']')));
}

bool IsKeyLine(std::string_view line, std::string_view key)
{
    if (SectionName(line))
        return false;
    const auto equals = line.find('=');
    return equals != std::string_view::npos && SameName(Trimmed(line.substr(0, equals)), key);
}

// The index of the section's line, or lines.size().
std::size_t FindSection(const std::vector<std::string_view>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (name && SameName(*name, section))
            return i;
    }
    return lines.size();
}

// One past the last line that belongs to the section opened at `start`.
std::size_t SectionEnd(const std::vector<std::string_view>& lines, std::size_t start)
{
    std::size_t end = start + 1;
    while (end < lines.size() && !SectionName(lines[end]))
        ++end;
    return end;
}

bool IsNameUsable(std::string_view name, std::string_view forbidden)
{
    return name.find_first_of(forbidden) == std::string_view::npos;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key)
{
    const auto lines = SplitLines(text);
    const std::size_t start = FindSection(lines, section);
    if (start == lines.size())
        return std::nullopt;
    const std::size_t end = SectionEnd(lines, start);
    for (std::size_t i = start + 1; i < end; ++i) {
        if (IsKeyLine(lines[i], key))
            return std::string(lines[i].substr(lines[i].find('=') + 1));
    }
    return std::nullopt;
}

std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value)
{
    using namespace std::string_view_literals;
    if (!IsNameUsable(section, "]\r\n\0"sv) || Trimmed(key).empty() || !IsNameUsable(key, "=\r\n\0"sv) ||
        Trimmed(key).front() == '[')
        return std::nullopt;
    value = value.substr(0, value.find_first_of("\r\n\0"sv));
    std::string keyLine = std::string(key) + "=" + std::string(value);

    const auto lines = SplitLines(text);
    const auto firstBreak = text.find('\n');
    const std::string_view eol = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r'
                                     ? "\r\n"sv
                                     : "\n"sv;
    keyLine += eol;

    // Every other line keeps its bytes, its own line end included.
    const auto rawLines = SplitRawLines(text);
    std::vector<std::string> result(rawLines.begin(), rawLines.end());
    if (!result.empty() && !result.back().ends_with('\n'))
        result.back() += eol;
    const std::size_t start = FindSection(lines, section);
    if (start == lines.size()) {
        result.push_back("[" + std::string(section) + "]" + std::string(eol));
        result.push_back(keyLine);
    } else {
        const std::size_t end = SectionEnd(lines, start);
        std::size_t insertAt = start + 1;
        bool replaced = false;
        for (std::size_t i = start + 1; i < end && !replaced; ++i) {
            if (IsKeyLine(lines[i], key)) {
                result[i] = keyLine;
                replaced = true;
            } else if (!Trimmed(lines[i]).empty()) {
                insertAt = i + 1;
            }
        }
        if (!replaced)
            result.insert(result.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine);
    }

    std::string joined;
    for (const std::string& line : result)
        joined += line;
    return joined;
}

}  // namespace skinwright
