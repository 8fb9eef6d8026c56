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

// The name column keeps its width; a number column is widened where its
// widest text would not fit, never narrowed.
TEST(ShownControls, ANumberColumnIsWideEnoughForItsWidestText)
{
    const struct {
        std::size_t column;
        int scaledWidth;
        int widestNumber;
        int shown;
    } cases[] = {{0, 200, 300, 200}, {1, 80, 78, 80}, {1, 80, 92, 92}, {3, 120, 127, 127}, {2, 160, 160, 160}};
    for (const auto& c : cases)
        EXPECT_EQ(ShownColumnWidth(c.column, c.scaledWidth, c.widestNumber), c.shown) << c.column << " " << c.widestNumber;
}

}  // namespace
}  // namespace skinwright::behaviour
