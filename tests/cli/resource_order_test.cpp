// Order files: a "hashtable" keeps its ids as they stand, anything else is
// one resource name a line.
#include <gtest/gtest.h>

#include <memory>

#include "cli/resource_order.h"
#include "core/file_names.h"
#include "core/name_hash.h"
#include "tests/support/files.h"

namespace skinwright::cli::test {
namespace {

struct Added {
    OrderResult result;
    std::unique_ptr<ResourceTable> table = std::make_unique<ResourceTable>();

    std::string Name(std::size_t row) const { return std::string(table->rows[row].Name()); }
    ResourceId Id(std::size_t row) const { return table->rows[row].id; }
};

Added Add(std::string_view text)
{
    Added added;
    added.result = AddOrderFile(*added.table, text);
    return added;
}

TEST(AddOrderFile, HashTableRowsKeepTheirIdsAsTheyStand)
{
    const Added added = Add("751 0 0 1 ok.g\r\n\n-1 5 51 2 with space.g\n4294967295 9 9 3 odd.g\n-2147483648 15 60 4 low.g");
    ASSERT_TRUE(static_cast<bool>(added.result)) << added.result.what;
    ASSERT_EQ(4, added.table->Count());
    EXPECT_EQ("ok.g", added.Name(0));
    EXPECT_EQ(0x2EFu, added.Id(0));
    EXPECT_EQ("with space.g", added.Name(1));
    EXPECT_EQ(0xFFFFFFFFu, added.Id(1));
    EXPECT_EQ("odd.g", added.Name(2));
    EXPECT_EQ(0xFFFFFFFFu, added.Id(2));
    EXPECT_EQ("low.g", added.Name(3));
    EXPECT_EQ(0x80000000u, added.Id(3));
}

TEST(AddOrderFile, OneLineThatIsNoHashTableRowMakesEveryLineAName)
{
    const Added added = Add("751 0 0 1 ok.g\nback.g\n");
    ASSERT_TRUE(static_cast<bool>(added.result)) << added.result.what;
    ASSERT_EQ(2, added.table->Count());
    EXPECT_EQ("751 0 0 1 ok.g", added.Name(0));
    EXPECT_EQ(NameHash("751 0 0 1 ok.g"), added.Id(0));
    EXPECT_EQ("back.g", added.Name(1));
    EXPECT_EQ(0x8DFu, added.Id(1));
}

TEST(AddOrderFile, LinesThatAreNoHashTableRowAreNames)
{
    for (const std::string line : {"- 0 0 1 a.g", "1 - 0 1 a.g", "1 2 -3 - a.g", "1 2 3 -4 a.g", "1 2 3 4", "1 2 3 4x a.g"}) {
        const Added added = Add(line + "\n");
        ASSERT_TRUE(static_cast<bool>(added.result)) << line << ": " << added.result.what;
        ASSERT_EQ(1, added.table->Count()) << line;
        EXPECT_EQ(line, added.Name(0));
    }
}

TEST(AddOrderFile, RefusalsNameTheirLineCountingBlankOnes)
{
    const Added outOfRange = Add("751 0 0 1 ok.g\n\n4294967296 5 51 2 back.g\n");
    EXPECT_FALSE(static_cast<bool>(outOfRange.result));
    EXPECT_EQ("line 3: the id does not fit in 32 bits", outOfRange.result.what);
    const Added belowRange = Add("-2147483649 0 0 1 ok.g\n");
    EXPECT_EQ("line 1: the id does not fit in 32 bits", belowRange.result.what);
    const Added tooLong = Add("ok.g\n" + std::string(126, 'n') + ".g\n");
    EXPECT_EQ("line 2: The resource name is longer than 127 bytes.", tooLong.result.what);
}

// Created in an order of their own, so that the folder's order is not theirs.
TEST(AddFolderPictures, TakesGifsOfFourCharactersAndMoreInTheByteOrderOfTheirNames)
{
    const skinwright::test::TempFolder folder;
    for (const char* file : {"b.gif", "gif", "_.gif", "x.GiF", "a.gif", "\xC3\xA9.gif", "Z.gif", "if", "C.gif", "a.gif.txt"})
        skinwright::test::WriteFile(folder.Path() / PathFromUtf8(file), "GIF89a");
    const auto table = std::make_unique<ResourceTable>();
    ASSERT_TRUE(static_cast<bool>(AddFolderPictures(*table, folder.Path())));
    std::vector<std::string> names;
    for (int i = 0; i < table->Count(); ++i)
        names.emplace_back(table->rows[static_cast<std::size_t>(i)].Name());
    EXPECT_EQ((std::vector<std::string>{"C.g", "Z.g", "_.g", "a.g", "b.g", "x.g", "\xE9.g"}), names);
}

}  // namespace
}  // namespace skinwright::cli::test
