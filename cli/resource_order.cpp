#include "resource_order.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <cstdint>
#include <system_error>
#include <vector>

#include "core/file_names.h"
#include "core/name_hash.h"
#include "core/resource_list.h"
#include "terminal_text.h"

namespace skinwright::cli {
namespace {

bool EndsInGif(std::string_view fileName)
{
    if (fileName.size() < 4)
        return false;
    std::string ending(fileName.substr(fileName.size() - 4));
    std::transform(ending.begin(), ending.end(), ending.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return ending == ".gif";
}

struct OrderLine {
    int number = 0;
    std::string_view text;
};

// The lines that are not blank, without their LF or a CR before it.
std::vector<OrderLine> SplitLines(std::string_view text)
{
    std::vector<OrderLine> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!line.empty())
            lines.push_back({number, line});
    }
    return lines;
}

// Takes digits, with a minus sign before them when allowed, and the blank
// after them; the digits as they stood, or empty when the line does not go on so.
std::string_view TakeField(std::string_view& line, bool signedField)
{
    std::size_t at = signedField && line.starts_with('-') ? 1 : 0;
    const std::size_t digitsAt = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9')
        ++at;
    if (at == digitsAt || at >= line.size() || line[at] != ' ')
        return {};
    const std::string_view field = line.substr(0, at);
    line.remove_prefix(at + 1);
    return field;
}

struct HashTableRow {
    std::string_view id;
    std::string_view name;
};

// A line "-?[0-9]+ -?[0-9]+ -?[0-9]+ [0-9]+ NAME", as "hashtable" files are written.
std::optional<HashTableRow> ParseHashTableLine(std::string_view line)
{
    const std::string_view id = TakeField(line, true);
    if (id.empty() || TakeField(line, true).empty() || TakeField(line, true).empty() || TakeField(line, false).empty())
        return std::nullopt;
    return HashTableRow{id, line};
}

OrderResult LineError(const OrderLine& line, std::string_view why)
{
    return Failure("line " + std::to_string(line.number) + ": " + std::string(why));
}

// The id as it stands in a "hashtable" row: a signed or unsigned 32-bit number.
std::optional<ResourceId> ParseId(std::string_view digits)
{
    std::int64_t id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    if (error != std::errc() || id < INT32_MIN || id > UINT32_MAX)
        return std::nullopt;
    return static_cast<ResourceId>(id);
}

// rows[i] is lines[i] as parsed.
OrderResult AddHashTableRows(ResourceTable& table, const std::vector<OrderLine>& lines,
    const std::vector<HashTableRow>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<ResourceId> id = ParseId(rows[i].id);
        if (!id)
            return LineError(lines[i], "the id does not fit in 32 bits");
        if (const AddResult added = AddRow(table, rows[i].name, *id); !added)
            return LineError(lines[i], added.what);
    }
    return {};
}

OrderResult AddNamedRows(ResourceTable& table, const std::vector<OrderLine>& lines)
{
    for (const OrderLine& line : lines)
        if (const AddResult added = AddRow(table, line.text, NameHash(line.text)); !added)
            return LineError(line, added.what);
    return {};
}

}  // namespace

OrderResult AddFolderPictures(ResourceTable& table, const std::filesystem::path& workFolder)
{
    std::error_code error;
    std::vector<std::string> fileNames;
    for (std::filesystem::directory_iterator it(workFolder, error), end; !error && it != end; it.increment(error)) {
        std::string fileName = PathToUtf8(it->path().filename());
        std::error_code typeError;
        if (EndsInGif(fileName) && it->is_regular_file(typeError))
            fileNames.push_back(std::move(fileName));
    }
    if (error)
        return Failure("cannot read the folder " + DisplayPath(workFolder) + ": " + error.message());
    std::sort(fileNames.begin(), fileNames.end());
    for (const std::string& fileName : fileNames)
        if (const AddResult added = AddFromPath(table, fileName); !added)
            return Failure(TerminalSafe(fileName) + ": " + added.what);
    return {};
}

OrderResult AddOrderFile(ResourceTable& table, std::string_view text)
{
    const std::vector<OrderLine> lines = SplitLines(text);
    std::vector<HashTableRow> rows;
    rows.reserve(lines.size());
    for (const OrderLine& line : lines) {
        const std::optional<HashTableRow> row = ParseHashTableLine(line.text);
        if (!row)
            return AddNamedRows(table, lines);
        rows.push_back(*row);
    }
    return AddHashTableRows(table, lines, rows);
}

}  // namespace skinwright::cli
