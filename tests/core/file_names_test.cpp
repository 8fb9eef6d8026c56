#include <gtest/gtest.h>

#include "core/binary_file.h"
#include "core/file_names.h"
#include "core/replacing_file.h"
#include "test_files.h"

namespace skinwright::test {
namespace {

TEST(FileNames, TextComesBackAsItWent)
{
    for (const std::string text : {"iconres.ezx", "th\xC3\xA8me/caf\xC3\xA9.gif", "na\xC3\xAFve\xE2\x82\xAC.gif"})
        EXPECT_EQ(PathToUtf8(PathFromUtf8(text)), text);
}

#ifdef _WIN32
// Longer than the classic limit of 260 characters, the folder and the packet
// in it are made, replaced and read all the same, and shown as given.
TEST(FileNames, LongPathsWork)
{
    TempFolder folder;
    std::string text = PathToUtf8(folder.Path());
    for (int depth = 0; depth < 6; ++depth)
        text += "\\" + std::string(50, static_cast<char>('a' + depth));
    const std::filesystem::path deep = PathFromUtf8(text);
    ASSERT_TRUE(std::filesystem::create_directories(deep));
    const std::string packet = text + "\\iconres.ezx";
    ASSERT_GT(packet.size(), 300u);
    ASSERT_TRUE(ReplaceFileContents(PathFromUtf8(packet), "old", Durability::Flushed));
    ASSERT_TRUE(ReplaceFileContents(PathFromUtf8(packet), "new bytes", Durability::Synced));
    BinaryFile file = BinaryFile::OpenForReading(PathFromUtf8(packet));
    ASSERT_TRUE(file);
    EXPECT_EQ(file.Size(), 9);
    EXPECT_EQ(PathToUtf8(PathFromUtf8(packet)), packet);
}
#endif

}  // namespace
}  // namespace skinwright::test
