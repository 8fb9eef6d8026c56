#include "resource_order.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <system_error>
#include <vector>

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

// Calls take(lineNumber, line) for every line, without its LF or a CR before it.
template <typename Take>
OrderResult ForEachLine(std::string_view text, Take take)
{
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (OrderResult result = take(number, line); !result.ok)
            return result;
    }
    return {};
}

OrderResult LineError(int number, std::string_view why)
{
    return {false, "line " + std::to_string(number) + ": " + std::string(why)};
}

// A decimal number and the space after it; an id may be written signed or unsigned.
bool TakeNumber(std::string_view& line, std::int64_t& value)
{
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end == line.data() + line.size() || *end != ' ')
        return false;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()) + 1);
    return true;
}

}  // namespace

OrderResult AddFolderPictures(ResourceTable& table, const std::filesystem::path& workFolder)
{
    std::error_code error;
    std::vector<std::string> fileNames;
    for (std::filesystem::directory_iterator it(workFolder, error), end; !error && it != end; it.increment(error)) {
        std::string fileName = it->path().filename().string();
        if (EndsInGif(fileName) && it->is_regular_file(error))
            fileNames.push_back(std::move(fileName));
    }
    if (error)
        return {false, "cannot read the folder " + DisplayPath(workFolder) + ": " + error.message()};
    std::sort(fileNames.begin(), fileNames.end());
    for (const std::string& fileName : fileNames)
        if (const AddResult added = AddFromPath(table, fileName); !added)
            return {false, TerminalSafe(fileName) + ": " + added.message};
    return {};
}

OrderResult AddOrderLines(ResourceTable& table, std::string_view text)
{
    return ForEachLine(text, [&](int number, std::string_view line) -> OrderResult {
        if (line.empty())
            return {};
        if (const AddResult added = AddFromPath(table, line); !added)
            return LineError(number, added.message);
        return {};
    });
}

OrderResult AddHashTableLines(ResourceTable& table, std::string_view text)
{
    return ForEachLine(text, [&](int number, std::string_view line) -> OrderResult {
        if (line.empty())
            return {};
        std::int64_t id = 0;
        std::int64_t ignored = 0;
        if (!TakeNumber(line, id) || !TakeNumber(line, ignored) || !TakeNumber(line, ignored)
            || !TakeNumber(line, ignored))
            return LineError(number, "not a \"hashtable\" line (id, name offset, data offset, row, name)");
        if (id < INT32_MIN || id > UINT32_MAX)
            return LineError(number, "the id does not fit in 32 bits");
        if (const AddResult added = AddRow(table, line, static_cast<ResourceId>(id)); !added)
            return LineError(number, added.message);
        return {};
    });
}

}  // namespace skinwright::cli
