// Which rows of two packets are the same resource: matched by name, the
// first row of a name in one packet with the first of that name in the
// other, the second with the second, and so on.
#pragma once

#include <utility>
#include <vector>

#include "core/packet_format.h"

namespace skinwright::cli {

struct RowMatch {
    std::vector<int> onlyOld;               // in the old packet's order
    std::vector<int> onlyNew;               // in the new packet's order
    std::vector<std::pair<int, int>> both;  // old row, new row; in the old packet's order
};

RowMatch MatchRowsByName(const ResourceTable& oldTable, const ResourceTable& newTable);

}  // namespace skinwright::cli
