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

// A line without its terminators (the LF and one CR before it), taken off the text.
std::string_view TakeLine(std::string_view& text)
{
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// Lines without their terminators.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty())
        lines.push_back(TakeLine(text));
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

// For a line that opens no section.
bool SetsKey(std::string_view line, std::string_view key)
{
    const auto equals = line.find('=');
    return equals != std::string_view::npos && SameName(Trimmed(line.substr(0, equals)), key);
}

bool IsKeyLine(std::string_view line, std::string_view key)
{
    return !SectionName(line) && SetsKey(line, key);
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

// One pass over the lines, nothing kept: settings are read key by key.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key)
{
    section = Trimmed(section);
    key = Trimmed(key);
    bool inSection = false;
    while (!text.empty()) {
        const std::string_view line = TakeLine(text);
        if (const auto name = SectionName(line)) {
            // Only the first matching section counts.
            if (inSection)
                return std::nullopt;
            inSection = SameName(*name, section);
        } else if (inSection && SetsKey(line, key)) {
            return std::string(line.substr(line.find('=') + 1));
        }
    }
    return std::nullopt;
}

std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value)
{
    using namespace std::string_view_literals;
    section = Trimmed(section);
    key = Trimmed(key);
    if (!IsNameUsable(section, "]\r\n\0"sv) || key.empty() || !IsNameUsable(key, "=\r\n\0"sv) || key.front() == '[')
        return std::nullopt;
    value = value.substr(0, value.find_first_of("\r\n\0"sv));
    std::string keyLine = std::string(key) + "=" + std::string(value);

    const auto lines = SplitLines(text);
    const auto firstBreak = text.find('\n');
    const std::string_view eol = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r'
                                     ? "\r\n"sv
                                     : "\n"sv;
    keyLine += eol;

    // Every other line keeps its bytes, its own line end included; a last
    // line without one gets the file's.
    const auto rawLines = SplitRawLines(text);
    const std::size_t start = FindSection(lines, section);
    std::size_t replaceAt = lines.size();
    std::size_t insertAt = lines.size();
    if (start != lines.size()) {
        const std::size_t end = SectionEnd(lines, start);
        insertAt = start + 1;
        for (std::size_t i = start + 1; i < end && replaceAt == lines.size(); ++i) {
            if (IsKeyLine(lines[i], key))
                replaceAt = i;
            else if (!Trimmed(lines[i]).empty())
                insertAt = i + 1;
        }
        if (replaceAt != lines.size())
            insertAt = lines.size() + 1;  // nothing inserted
    }

    std::string joined;
    joined.reserve(text.size() + keyLine.size() + section.size() + 4);
    for (std::size_t i = 0; i < rawLines.size(); ++i) {
        if (i == insertAt)
            joined += keyLine;
        joined += i == replaceAt ? std::string_view(keyLine) : rawLines[i];
        // A last line that ends in a CR was read without it: its LF makes
        // that CR its line end again.
        if (!joined.ends_with('\n'))
            joined += joined.ends_with('\r') ? "\n"sv : eol;
    }
    if (start == lines.size())
        joined += "[" + std::string(section) + "]" + std::string(eol) + keyLine;
    else if (insertAt == lines.size())
        joined += keyLine;
    return joined;
}

}  // namespace skinwright
