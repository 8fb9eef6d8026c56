#include <gtest/gtest.h>

#include "core/name_hash.h"

namespace skinwright {
namespace {

TEST(NameHash, WorkedValues)
{
    const struct {
        std::string_view name;
        ResourceId id;
    } cases[] = {
        {"", 0x00000000},
        {"a", 0x00000061},
        {"abc", 0x00000123},
        {"a.g", 0x000001BF},
        {"ok.g", 0x000002EF},
        {"OK.g", 0x0000036F},
        {"ok.gif", 0x00000B08},
        {"back.g", 0x000008DF},
        {"\xE9.g", 0x00000061},
        {"status_bar_battery_level_3.g", 0xD7BBCA85},
        {"\xFF", 0xFFFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameHash(c.name), c.id) << c.name;
}

TEST(NameHash, StopsAtTheFirstZeroByte)
{
    EXPECT_EQ(NameHash(std::string_view("ok.g\0junk", 9)), NameHash("ok.g"));
}

TEST(HexDigitValue, DigitsOfEitherCaseAndEverythingElseAsZero)
{
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('b'), 11);
    EXPECT_EQ(HexDigitValue('B'), 11);
    EXPECT_EQ(HexDigitValue('f'), 15);
    for (char other : {' ', 'G', 'g', 'z', '/', ':', '\xC1', '\xE6'})
        EXPECT_EQ(HexDigitValue(other), 0) << other;
}

TEST(ReadLe32, ReadsAndWritesLittleEndian)
{
    const unsigned char magic[] = {0xBA, 0xDC, 0xCD, 0xAB};
    EXPECT_EQ(ReadLe32(magic), 0xABCDDCBAu);
    unsigned char out[4];
    WriteLe32(out, 0xDCBAABCD);
    EXPECT_EQ(out[0], 0xCD);
    EXPECT_EQ(out[3], 0xDC);
    EXPECT_EQ(ReadLe32(out), 0xDCBAABCDu);
}

}  // namespace
}  // namespace skinwright
