#include "row_order.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <utility>

namespace skinwright {

// The sort runs over small keys; the rows move once at the end.
void SortRowsByIdOffset(ResourceTable& table)
{
    const auto count = static_cast<std::size_t>(table.header.entryCount);
    const auto byOffset = [](const ResourceEntry& a, const ResourceEntry& b) { return a.idOffset < b.idOffset; };
    // Rows already in order stay where they are; so does every packet the writer makes.
    if (std::is_sorted(table.rows.begin(), table.rows.begin() + static_cast<std::ptrdiff_t>(count), byOffset))
        return;
    std::array<std::int32_t, kTableCapacity> keys;
    std::array<std::uint16_t, kTableCapacity> from;
    for (std::size_t i = 0; i < count; ++i) {
        keys[i] = table.rows[i].idOffset;
        from[i] = static_cast<std::uint16_t>(i);
    }
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = i; j < count; ++j)
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(from[i], from[j]);
            }
    // Row i takes the row that stood at from[i]: follow each cycle once.
    std::bitset<kTableCapacity> placed;
    for (std::size_t start = 0; start < count; ++start) {
        if (placed[start])
            continue;
        const ResourceEntry first = table.rows[start];
        std::size_t at = start;
        while (from[at] != start) {
            table.rows[at] = table.rows[from[at]];
            placed[at] = true;
            at = from[at];
        }
        table.rows[at] = first;
        placed[at] = true;
    }
}

}  // namespace skinwright
