// Bytes in memory behave as a file: reads stop at the end, a write past the
// end leaves zeros before it, and a packet in memory loads as from its file.
#include <gtest/gtest.h>

#include "core/binary_file.h"
#include "core/packet.h"
#include "test_files.h"

namespace skinwright::test {
namespace {

TEST(BinaryFileInMemory, ReadsAndWritesAsAFile)
{
    std::string bytes = "abc";
    BinaryFile file = BinaryFile::InMemory(bytes);
    ASSERT_TRUE(file.Seek(5));
    ASSERT_TRUE(file.Write("x", 1));
    EXPECT_EQ(std::string("abc\0\0x", 6), bytes);
    EXPECT_EQ(6, file.Size());
    char read[8] = {};
    ASSERT_TRUE(file.Seek(1));
    EXPECT_EQ(5u, file.Read(read, sizeof read));
    EXPECT_EQ(std::string("bc\0\0x", 5), std::string(read, 5));
    EXPECT_EQ(2u, file.ReadAt(4, read, sizeof read));
    EXPECT_EQ(0u, file.ReadAt(9, read, sizeof read));
}

TEST(BinaryFileInMemory, APacketLoadsAndExtractsAsFromItsFile)
{
    std::string packet = WorkedExamplePacket();
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.Load(BinaryFile::InMemory(packet), target));
    EXPECT_EQ(target.rows, (std::vector<std::vector<std::string>>{{"ok.g", "0x000002EF", "0x00000000", "0x00000000"},
                               {"back.g", "0x000008DF", "0x00000005", "0x00000033"}}));
    std::string picture;
    BinaryFile pictureOut = BinaryFile::InMemory(picture);
    ASSERT_TRUE(reader.ExtractResource(1, pictureOut));
    EXPECT_EQ(BackPicture(), picture);
    std::string header;
    BinaryFile headerOut = BinaryFile::InMemory(header);
    ASSERT_TRUE(reader.WriteHeaderFile(headerOut));
    EXPECT_EQ(WorkedExamplePacket().substr(0, 84), header);
}

}  // namespace
}  // namespace skinwright::test
