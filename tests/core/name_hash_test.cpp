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

}  // namespace
}  // namespace skinwright
