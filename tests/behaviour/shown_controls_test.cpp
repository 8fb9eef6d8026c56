#include <gtest/gtest.h>

#include "behaviour/shown_controls.h"

namespace skinwright::behaviour {
namespace {

// What a row's cells say in either front end's list, column by column.
TEST(ShownControls, ARowsCellsAreItsNameAndItsNumbersInHexadecimal)
{
    ResourceEntry row;
    row.SetName("caf\xE9.g");  // Windows-1252, as names are stored
    row.id = 0x00BDDE52;
    row.idOffset = 5;
    row.dataOffset = -1;
    const std::pair<int, std::string> cells[] = {
        {0, "caf\xC3\xA9.g"},
        {1, "0x00BDDE52"},
        {2, "0x00000005"},
        {3, "0xFFFFFFFF"},
    };
    for (const auto& [column, text] : cells)
        EXPECT_EQ(CellText(row, column), text) << column;
}

}  // namespace
}  // namespace skinwright::behaviour
