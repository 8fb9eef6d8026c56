#include <gtest/gtest.h>

#include "core/file_names.h"
#include "core/packet.h"
#include "test_files.h"

namespace skinwright::test {
namespace {

class WriterTest : public ::testing::Test {
protected:
    void AddPicture(std::string_view name, std::string_view bytes)
    {
        WriteFile(work / PictureFileName(name), bytes);
        ASSERT_TRUE(AddRow(table, name, NameHash(name)));
    }
    WriteResult Generate(std::string_view comment = "")
    {
        return GeneratePacketFile(table, comment, work.Path(), out / "iconres.ezx");
    }
    // Nothing but the packet itself may be left in the output folder.
    std::vector<std::string> OutputFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(out.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TempFolder work;
    TempFolder out;
    ResourceTable table;
};

TEST_F(WriterTest, WorkedExampleByteForByte)
{
    AddPicture("ok.g", OkPicture());
    AddPicture("back.g", BackPicture());
    ASSERT_TRUE(Generate());
    EXPECT_EQ(ReadFile(out / "iconres.ezx"), WorkedExamplePacket());
    EXPECT_EQ(table.headerOffset, 64);
    EXPECT_EQ(table.header.dataAreaOffset, 108);
    EXPECT_EQ(table.rows[1].idOffset, 5);
    EXPECT_EQ(table.rows[1].dataOffset, 51);
    EXPECT_EQ(OutputFiles(), std::vector<std::string>{"iconres.ezx"});
}

TEST_F(WriterTest, CommentLinesAreStoredWithLfOnly)
{
    AddPicture("ok.g", OkPicture());
    AddPicture("back.g", BackPicture());
    ASSERT_TRUE(Generate("Theme A\r\nby me"));
    const std::string packet = ReadFile(out / "iconres.ezx");
    EXPECT_EQ(packet.size(), 214u);
    EXPECT_EQ(packet.substr(0, 63), "motoskin\n\nv1.00\n0000004c\n\nComments:\n\nTheme A\nby me\n\nID table:\n\n");
    EXPECT_EQ(table.header.nameListOffset, 63);
    EXPECT_EQ(table.headerOffset, 0x4C);
    EXPECT_EQ(table.header.idTableOffset, 96);
    EXPECT_EQ(table.header.dataAreaOffset, 120);
    EXPECT_EQ(packet[75], '\0');
}

TEST_F(WriterTest, AnEmptyListIsAHeaderOnly)
{
    ASSERT_TRUE(Generate());
    const std::string packet = ReadFile(out / "iconres.ezx");
    ASSERT_EQ(packet.size(), 72u);
    EXPECT_EQ(ReadLe32(reinterpret_cast<const unsigned char*>(packet.data()) + 64), 72u);
    EXPECT_EQ(ReadLe32(reinterpret_cast<const unsigned char*>(packet.data()) + 68), 72u);
}

TEST_F(WriterTest, MissingOrEmptyPicturesLeaveAnExistingPacketUntouched)
{
    WriteFile(out / "iconres.ezx", "the old packet");
    for (std::string_view second : {"missing", "empty"}) {
        Clear(table);
        std::filesystem::remove(work / "back.gif");
        AddPicture("ok.g", OkPicture());
        ASSERT_TRUE(AddRow(table, "back.g", NameHash("back.g")));
        if (second == "empty")
            WriteFile(work / "back.gif", "");
        const WriteResult result = Generate();
        EXPECT_EQ(result.code, WriteStatus::PictureMissing) << second;
        EXPECT_EQ(result.row, 1) << second;
        EXPECT_EQ(result.what, "Resource File: back.g does not exist or empty, cannot continue!") << second;
        EXPECT_EQ(ReadFile(out / "iconres.ezx"), "the old packet") << second;
        EXPECT_EQ(OutputFiles(), std::vector<std::string>{"iconres.ezx"}) << second;
    }
}

TEST_F(WriterTest, PicturesAreFoundWithoutRegardToCase)
{
    WriteFile(work / "A.GIF", OkPicture());
    WriteFile(work.Path() / PathFromUtf8("CAF\xC3\x89.GIF"), BackPicture());
    ASSERT_TRUE(AddFromPath(table, (work / "A.GIF").string()));
    ASSERT_TRUE(AddRow(table, "caf\xE9.g", NameHash("caf\xE9.g")));
    EXPECT_EQ(table.rows[0].Name(), "A.g");
    ASSERT_TRUE(Generate());
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.LoadPacket(out / "iconres.ezx", target));
    ASSERT_TRUE(reader.ExtractResource(1, out / "back.gif"));
    EXPECT_EQ(ReadFile(out / "back.gif"), BackPicture());
}

TEST_F(WriterTest, APictureThatChangedSinceMeasuringFailsItsRow)
{
    AddPicture("ok.g", OkPicture());
    AddPicture("back.g", BackPicture());
    for (const std::string& changed : {BackPicture() + "more", BackPicture().substr(0, 20)}) {
        WriteFile(work / "back.gif", BackPicture());
        PictureFolder pictures(work.Path());
        PacketPlan plan;
        ASSERT_TRUE(PlanPacket(table, "", pictures, plan));
        WriteFile(work / "back.gif", changed);
        const WriteResult result = WritePacketFile(table, plan, pictures, out / "iconres.ezx");
        EXPECT_EQ(result.code, WriteStatus::PictureMissing);
        EXPECT_EQ(result.what, "Resource File: back.g does not exist or empty, cannot continue!");
        EXPECT_TRUE(OutputFiles().empty());
    }
}

TEST_F(WriterTest, LargePicturesAreCopiedInPieces)
{
    const std::string big = Picture(3 * 1024 * 1024 + 5, 'x');
    AddPicture("big.g", big);
    ASSERT_TRUE(Generate());
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.LoadPacket(out / "iconres.ezx", target));
    ASSERT_TRUE(reader.ExtractResource(0, out / "big.gif"));
    EXPECT_EQ(ReadFile(out / "big.gif"), big);
}

TEST_F(WriterTest, APacketMayEndAt2GiBLessOneByteAndNoFurther)
{
    // One row "big.g", no comment: the data area starts at 88, the record's
    // data at 96, so a picture of 2^31 - 1 - 96 bytes ends the file exactly there.
    ASSERT_TRUE(AddRow(table, "big.g", NameHash("big.g")));
    WriteFile(work / "big.gif", "GIF89a");
    PictureFolder pictures(work.Path());
    PacketPlan plan;
    std::filesystem::resize_file(work / "big.gif", 0x7FFFFFFF - 96);  // sparse
    EXPECT_TRUE(PlanPacket(table, "", pictures, plan));
    EXPECT_EQ(table.header.dataAreaOffset, 88);
    std::filesystem::resize_file(work / "big.gif", 0x7FFFFFFF - 95);
    EXPECT_EQ(PlanPacket(table, "", pictures, plan).code, WriteStatus::TooLarge);
    EXPECT_EQ(Generate().code, WriteStatus::TooLarge);
    EXPECT_TRUE(OutputFiles().empty());
}

#ifndef _WIN32  // no file size limit to make a write fail
TEST_F(WriterTest, AFailedWriteInsideALargePictureIsAWriteFailure)
{
    AddPicture("big.g", Picture(3 * 1024 * 1024, 'x'));
    WriteResult result;
    WithFileSizeLimit(2 * 1024 * 1024, [&] { result = Generate(); });
    EXPECT_EQ(result.code, WriteStatus::WriteFailed);
    EXPECT_EQ(result.what, "Failed to write new resource packet " + (out / "iconres.ezx").string() + "!");
    EXPECT_TRUE(OutputFiles().empty());
}
#endif

// Two pictures whose names differ only by case cannot both be in a Windows
// folder: there the file system's own lookup finds the one.
TEST_F(WriterTest, AmbiguousOrOutsidePicturesAreRefused)
{
#ifndef _WIN32
    WriteFile(work / "E.GIF", OkPicture());
#endif
    WriteFile(work / "e.gif", BackPicture());
    WriteFile(out / "x.gif", OkPicture());
#ifdef _WIN32
    const std::string_view names[] = {"../x.g", "..", "sub/x.g", "sub\\x.g"};
#else
    const std::string_view names[] = {"E.g", "../x.g", "..", "sub/x.g", "sub\\x.g"};
#endif
    for (const std::string_view name : names) {
        Clear(table);
        ASSERT_TRUE(AddRow(table, name, NameHash(name)));
        const WriteResult result = Generate();
        EXPECT_EQ(result.code, WriteStatus::PictureMissing) << name;
        EXPECT_EQ(result.what, "Resource File: " + std::string(name) + " does not exist or empty, cannot continue!");
    }
    Clear(table);
    ASSERT_TRUE(AddRow(table, "e.g", NameHash("e.g")));
    EXPECT_TRUE(Generate());
}

TEST_F(WriterTest, ATargetThatCannotBeReplacedIsNotCreated)
{
    AddPicture("ok.g", OkPicture());
    std::filesystem::create_directory(out / "folder.ezx");
    WriteFile(out / "locked.ezx", "the old packet");
    std::filesystem::permissions(out / "locked.ezx", std::filesystem::perms::owner_read);
    for (const char* target : {"folder.ezx", "locked.ezx"}) {
        const WriteResult result = GeneratePacketFile(table, "", work.Path(), out / target);
        EXPECT_EQ(result.code, WriteStatus::CannotCreate) << target;
        EXPECT_EQ(result.what, "Cannot create new resource packet" + (out / target).string() + "!");
    }
    EXPECT_EQ(ReadFile(out / "locked.ezx"), "the old packet");
    EXPECT_EQ(OutputFiles().size(), 2u);
}

#ifndef _WIN32  // no file size limit to make a write fail
TEST_F(WriterTest, AFailedWriteIsAFailureAndLeavesNothingBehind)
{
    AddPicture("ok.g", OkPicture());
    AddPicture("back.g", BackPicture());
    WriteFile(out / "iconres.ezx", "the old packet");
    WriteResult result;
    WithFileSizeLimit(100, [&] { result = Generate(); });

    EXPECT_EQ(result.code, WriteStatus::WriteFailed);
    EXPECT_EQ(ReadFile(out / "iconres.ezx"), "the old packet");
    EXPECT_EQ(OutputFiles(), std::vector<std::string>{"iconres.ezx"});
}
#endif

TEST_F(WriterTest, AFolderThatCannotHoldThePacket)
{
    const WriteResult result = GeneratePacketFile(table, "", work.Path(), out / "missing" / "iconres.ezx");
    EXPECT_EQ(result.code, WriteStatus::CannotCreate);
    EXPECT_EQ(result.what, "Cannot create new resource packet" + (out / "missing" / "iconres.ezx").string() + "!");
}

TEST_F(WriterTest, ATemplateRowKeepsItsPlaceholderAndId)
{
    WriteFile(work / "!!!0x000002EF.gif", OkPicture());
    ASSERT_TRUE(AddRow(table, "!!!0x000002EF.g", 0x2EF));
    ASSERT_TRUE(Generate());
    PacketReader reader;
    RecordingTarget target;
    ASSERT_TRUE(reader.LoadPacket(out / "iconres.ezx", target));
    EXPECT_EQ(target.warnings, 1);
    EXPECT_EQ(target.rows[0][1], "0x000002EF");
}

}  // namespace
}  // namespace skinwright::test
