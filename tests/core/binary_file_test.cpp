// Files of every kind behave alike: reads stop at the end, a closed file is
// none, a close tells what was lost; bytes in memory behave as a file, a
// write past the end leaves zeros before it, and a packet in memory loads as
// from its file.
#include <gtest/gtest.h>

#include "core/binary_file.h"
#include "core/open_folder.h"
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

TEST(BinaryFileInMemory, TwoWritesHoldBoth)
{
    std::string bytes;
    BinaryFile file = BinaryFile::InMemory(bytes);
    ASSERT_TRUE(file.Write("ab", 2));
    ASSERT_TRUE(file.Write("cd", 2));
    EXPECT_EQ("abcd", bytes);
}

// A read that reaches past the end of a file, of every kind, gives the bytes
// there and no more.
TEST(BinaryFileKinds, AReadAcrossTheEndGivesOnlyTheBytesThere)
{
    const TempFolder folder;
    WriteFile(folder / "six", "abcdef");
    std::string memory = "abcdef";
    const OpenFolder open(folder.Path());
    struct Case {
        const char* kind;
        BinaryFile file;
    };
    Case cases[] = {
        {"stream", BinaryFile::OpenForReading(folder / "six")},
        {"folder's file", open.OpenRegularFile("six")},
        {"memory", BinaryFile::InMemory(memory)},
    };
    for (Case& c : cases) {
        ASSERT_TRUE(c.file) << c.kind;
        EXPECT_EQ(6, c.file.Size()) << c.kind;
        char read[8] = {};
        EXPECT_EQ(2u, c.file.ReadAt(4, read, sizeof read)) << c.kind;
        EXPECT_EQ("ef", std::string(read, 2)) << c.kind;
        ASSERT_TRUE(c.file.Seek(3)) << c.kind;
        EXPECT_EQ(3u, c.file.Read(read, sizeof read)) << c.kind;
        EXPECT_EQ("def", std::string(read, 3)) << c.kind;
        EXPECT_EQ(0u, c.file.Read(read, sizeof read)) << c.kind;
    }
}

// A file is closed once: whatever kind it was, it is no file afterwards.
TEST(BinaryFileKinds, AClosedFileIsNoFile)
{
    const TempFolder folder;
    std::string memory;
    std::filesystem::path created;
    BinaryFile files[] = {BinaryFile::CreateTemporaryIn(folder.Path(), created), BinaryFile::InMemory(memory)};
    for (BinaryFile& file : files) {
        ASSERT_TRUE(file);
        ASSERT_TRUE(file.Write("x", 1));
        EXPECT_TRUE(file.Close());
        EXPECT_FALSE(file);
        EXPECT_FALSE(file.Write("y", 1));
        EXPECT_FALSE(file.Close());
    }
    EXPECT_EQ("x", ReadFile(created));
    EXPECT_EQ("x", memory);
}

#ifndef _WIN32
// On the stream every file takes on Windows: a close tells a write that
// failed at once and bytes still buffered that could not be written; a
// durable close leaves the bytes in the file.
TEST(BinaryFileStream, ACloseTellsWhatWasLost)
{
    const TempFolder folder;
    const std::string large(1 << 16, 'x');
    struct Case {
        const char* what;
        std::string bytes;
        bool written;  // as Write tells at once
    };
    const Case cases[] = {
        {"a write past the limit", large, false},
        {"bytes buffered past the limit", std::string(100, 'x'), true},
    };
    for (const Case& c : cases) {
        std::filesystem::path created;
        WithFileSizeLimit(10, [&] {
            BinaryFile file = BinaryFile::CreateTemporaryIn(folder.Path(), created);
            ASSERT_TRUE(file) << c.what;
            EXPECT_EQ(c.written, file.Write(c.bytes.data(), c.bytes.size())) << c.what;
            EXPECT_FALSE(file.Close()) << c.what;
        });
    }
    std::filesystem::path created;
    BinaryFile file = BinaryFile::CreateTemporaryIn(folder.Path(), created);
    ASSERT_TRUE(file.Write(large.data(), large.size()));
    EXPECT_TRUE(file.CloseDurably());
    EXPECT_EQ(large, ReadFile(created));
}
#endif

}  // namespace
}  // namespace skinwright::test
