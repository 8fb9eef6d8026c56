#include "row_matching.h"

#include <map>
#include <string_view>

namespace skinwright::cli {
namespace {

// The new packet's rows of one name, in order, and how many are matched.
struct RowsOfName {
    std::vector<int> rows;
    std::size_t matched = 0;
};

}  // namespace

RowMatch MatchRowsByName(const ResourceTable& oldTable, const ResourceTable& newTable)
{
    std::map<std::string_view, RowsOfName> newRows;
    for (int j = 0; j < newTable.Count(); ++j)
        newRows[newTable.rows[static_cast<std::size_t>(j)].Name()].rows.push_back(j);

    RowMatch match;
    std::vector<bool> matchedNew(static_cast<std::size_t>(newTable.Count()), false);
    for (int i = 0; i < oldTable.Count(); ++i) {
        const auto it = newRows.find(oldTable.rows[static_cast<std::size_t>(i)].Name());
        if (it == newRows.end() || it->second.matched == it->second.rows.size()) {
            match.onlyOld.push_back(i);
            continue;
        }
        const int j = it->second.rows[it->second.matched++];
        matchedNew[static_cast<std::size_t>(j)] = true;
        match.both.emplace_back(i, j);
    }
    for (int j = 0; j < newTable.Count(); ++j)
        if (!matchedNew[static_cast<std::size_t>(j)])
            match.onlyNew.push_back(j);
    return match;
}

}  // namespace skinwright::cli
