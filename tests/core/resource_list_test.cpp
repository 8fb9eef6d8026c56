#include <gtest/gtest.h>

#include <memory>

#include "core/packet.h"

namespace skinwright {
namespace {

std::vector<std::string> Names(const ResourceTable& table)
{
    std::vector<std::string> names;
    for (int i = 0; i < table.Count(); ++i)
        names.emplace_back(table.rows[static_cast<std::size_t>(i)].Name());
    return names;
}

TEST(ResourceList, NamesComeFromTheFileNameLessFourCharacters)
{
    ResourceTable table;
    const struct {
        std::string_view path;
        std::string name;
    } cases[] = {
        {"/pics/battery.gif", "battery.g"},
        {"logo.png", "logo.g"},
        {"/x/abc", ".g"},
        {"/x/caf\xC3\xA9.gif", "caf\xE9.g"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(AddFromPath(table, c.path)) << c.path;
        EXPECT_EQ(table.rows[static_cast<std::size_t>(table.Count() - 1)].Name(), c.name);
        EXPECT_EQ(table.rows[static_cast<std::size_t>(table.Count() - 1)].id, NameHash(c.name));
    }
}

TEST(ResourceList, RefusesNamesThatCannotBeStored)
{
    ResourceTable table;
    const std::string longest(125, 'n');
    EXPECT_TRUE(AddFromPath(table, "/x/" + longest + ".gif"));
    EXPECT_EQ(AddFromPath(table, "/x/" + longest + "n.gif").code, AddStatus::NameTooLong);
    EXPECT_EQ(AddFromPath(table, "/x/line\nbreak.gif").code, AddStatus::NameHasBadByte);
    EXPECT_EQ(AddFromPath(table, "/x/\xE2\x98\x83.gif").code, AddStatus::NotRepresentable);
    EXPECT_EQ(AddFromPath(table, "/x/caf\xE9.gif").code, AddStatus::NotUtf8);
#ifndef _WIN32
    EXPECT_EQ(AddFromPath(table, "/x/back\\slash.gif").code, AddStatus::NameHasSeparator);
#endif
    EXPECT_EQ(table.Count(), 1);
}

#ifdef _WIN32
TEST(ResourceList, WindowsPathsSplitAtEitherSeparator)
{
    ResourceTable table;
    ASSERT_TRUE(AddFromPath(table, "C:\\skins\\ok.gif"));
    ASSERT_TRUE(AddFromPath(table, "C:/skins\\mixed/back.gif"));
    EXPECT_EQ(table.rows[0].Name(), "ok.g");
    EXPECT_EQ(table.rows[1].Name(), "back.g");
}
#endif

TEST(ResourceList, HoldsAt2048Rows)
{
    ResourceTable table;
    for (int i = 0; i < 2047; ++i)
        ASSERT_TRUE(AddFromPath(table, "/d/icon_ok.gif"));
    EXPECT_TRUE(AddFromPath(table, "/d/icon_ok.gif"));
    const AddResult refused = AddFromPath(table, "/d/other.gif");
    EXPECT_EQ(refused.code, AddStatus::TableFull);
    EXPECT_FALSE(refused.what.empty());
    EXPECT_EQ(table.Count(), 2048);
    EXPECT_EQ(table.rows[0].id, table.rows[2047].id);
}

TEST(ResourceList, RemoveClearAndLayout)
{
    ResourceTable table;
    for (const char* path : {"a.gif", "bb.gif", "ccc.gif"})
        ASSERT_TRUE(AddFromPath(table, path));
    EXPECT_EQ(LayoutNameOffsets(table), 4 + 5 + 6);
    RemoveAt(table, 0);
    RemoveAt(table, 5);
    RemoveAt(table, -1);
    EXPECT_EQ(Names(table), (std::vector<std::string>{"bb.g", "ccc.g"}));
    EXPECT_EQ(LayoutNameOffsets(table), 11);
    EXPECT_EQ(table.rows[1].idOffset, 5);
    Clear(table);
    EXPECT_EQ(LayoutNameOffsets(table), 0);
}

TEST(ResourceList, TemplateRowsKeepEverythingButTheirNameOffsets)
{
    ResourceTable source;
    source.headerOffset = 64;
    source.header = {kPacketMagic, 50, 2, 84, 108};
    source.rows[0].id = 0x2EF;
    source.rows[0].SetName("!!!0x000002EF.g");
    source.rows[0].idOffset = 77;
    source.rows[0].dataOffset = 51;
    source.rows[1].SetName("x.g");
    ResourceTable table;
    CopyFromTemplate(table, source);
    EXPECT_EQ(table.headerOffset, 0);
    EXPECT_EQ(table.header.nameListOffset, 50);
    EXPECT_EQ(Names(table), (std::vector<std::string>{"!!!0x000002EF.g", "x.g"}));
    LayoutNameOffsets(table);
    EXPECT_EQ(table.rows[0].id, 0x2EFu);
    EXPECT_EQ(table.rows[0].dataOffset, 51);
    EXPECT_EQ(table.rows[0].idOffset, 0);
    EXPECT_EQ(table.rows[1].idOffset, 16);
}

// A table with the slot after its last one, which nothing may touch.
struct GuardedTable {
    ResourceTable table;
    ResourceEntry after;
};

TEST(ResourceList, AFullTemplateFillsTheTableAndNothingPastIt)
{
    const auto source = std::make_unique<GuardedTable>();
    for (int i = 0; i < kTableCapacity; ++i)
        ASSERT_TRUE(AddRow(source->table, "r" + std::to_string(i) + ".g", static_cast<ResourceId>(i + 1)));
    source->after.id = 0x5A5A5A5A;
    source->after.SetName("past the end.g");
    const auto copy = std::make_unique<GuardedTable>();
    CopyFromTemplate(copy->table, source->table);
    EXPECT_EQ(copy->table.Count(), kTableCapacity);
    EXPECT_EQ(copy->table.rows[kTableCapacity - 1].Name(), "r2047.g");
    EXPECT_EQ(copy->after.id, 0u);
    EXPECT_EQ(copy->after.Name(), "");
}

}  // namespace
}  // namespace skinwright
