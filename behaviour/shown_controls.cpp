#include "shown_controls.h"

#include <algorithm>

#include "core/codepage.h"

namespace skinwright::behaviour {

int ShownColumnWidth(std::size_t column, int scaledWidth, int widestNumber)
{
    return column == 0 ? scaledWidth : std::max(scaledWidth, widestNumber);
}

std::string CellText(const ResourceEntry& row, int column)
{
    switch (column) {
    case 0:
        return Cp1252ToUtf8(row.Name());
    case 1:
        return FormatHex32(row.id);
    case 2:
        return FormatHex32(static_cast<std::uint32_t>(row.idOffset));
    default:
        return FormatHex32(static_cast<std::uint32_t>(row.dataOffset));
    }
}

}  // namespace skinwright::behaviour
