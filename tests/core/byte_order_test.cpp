#include <gtest/gtest.h>

#include "core/byte_order.h"

namespace skinwright {
namespace {

TEST(ReadLe32, TakesTheFirstByteAsTheLowest)
{
    const unsigned char magic[] = {0xBA, 0xDC, 0xCD, 0xAB};
    EXPECT_EQ(ReadLe32(magic), 0xABCDDCBAu);
}

TEST(WriteLe32, PutsTheLowestByteFirst)
{
    unsigned char out[4] = {};
    WriteLe32(out, 0xDCBAABCD);
    EXPECT_EQ(out[0], 0xCD);
    EXPECT_EQ(out[1], 0xAB);
    EXPECT_EQ(out[2], 0xBA);
    EXPECT_EQ(out[3], 0xDC);
}

TEST(HexDigitValue, DigitsOfEitherCaseAndEverythingElseAsZero)
{
    const struct {
        const char* what;
        char digit;
        int value;
    } cases[] = {
        {"zero", '0', 0},
        {"nine", '9', 9},
        {"lower-case b", 'b', 11},
        {"upper-case B", 'B', 11},
        {"lower-case f", 'f', 15},
        {"upper-case F", 'F', 15},
        {"blank", ' ', 0},
        {"letter after F", 'G', 0},
        {"letter after f", 'g', 0},
        {"z", 'z', 0},
        {"character before 0", '/', 0},
        {"character after 9", ':', 0},
        {"high byte 0xC1", '\xC1', 0},
        {"high byte 0xE6", '\xE6', 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexDigitValue(c.digit), c.value) << c.what;
}

}  // namespace
}  // namespace skinwright
