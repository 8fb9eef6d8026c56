// skinpack as a user runs it: exact output, error text and exit status.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "core/name_hash.h"
#include "core/packet_format.h"
#include "skinpack_process.h"
#include "tests/support/packet_bytes.h"
#include "tests/support/pictures.h"

namespace skinwright::cli::test {
namespace {

// How a folder and a file in it are joined in messages.
#ifdef _WIN32
const std::string kSeparator = "\\";
#else
const std::string kSeparator = "/";
#endif

using namespace skinwright::test;

const std::string kTwoRows = "ok.g\t0x000002EF\t0x00000000\t0x00000000\n"
                             "back.g\t0x000008DF\t0x00000005\t0x00000033\n";
const std::string kDamagedWarning =
    "This resource packet may be damaged, continue to use may cause error!\n";

class SkinpackTest : public ::testing::Test {
protected:
    void WritePictures(const std::string& folder)
    {
        std::filesystem::create_directories(scratch / folder);
        WriteFile(scratch / folder / "ok.gif", OkPicture());
        WriteFile(scratch / folder / "back.gif", BackPicture());
    }

    ScratchFolder scratch;
};

TEST_F(SkinpackTest, ListsTheTwoResourcePacketInNameListOrder)
{
    std::string packet = WorkedExamplePacket();
    WriteFile(scratch / "two.ezx", packet);
    const ProcessResult listed = scratch.Run({"list", "two.ezx"});
    EXPECT_EQ(0, listed.exitCode);
    EXPECT_EQ(kTwoRows, listed.out);
    EXPECT_EQ("", listed.err);

    // The same rows stored in the other order in the ID table list the same way.
    const std::string first = packet.substr(84, 12);
    packet.replace(84, 12, packet.substr(96, 12));
    packet.replace(96, 12, first);
    WriteFile(scratch / "swapped.ezx", packet);
    const ProcessResult swapped = scratch.Run({"list", "swapped.ezx"});
    EXPECT_EQ(0, swapped.exitCode);
    EXPECT_EQ(kTwoRows, swapped.out);
    EXPECT_EQ("", swapped.err);
}

TEST_F(SkinpackTest, DamagedPacketListsPlaceholderAndWarnsOnce)
{
    std::string packet = WorkedExamplePacket();
    packet.replace(50, 6, "OK.g\nB");  // both names now miss their ids
    WriteFile(scratch / "damaged.ezx", packet);
    const ProcessResult result = scratch.Run({"list", "damaged.ezx"});
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("!!!0x000002EF.g\t0x000002EF\t0x00000000\t0x00000000\n"
              "!!!0x000008DF.g\t0x000008DF\t0x00000005\t0x00000033\n",
        result.out);
    EXPECT_EQ("warning: damaged.ezx: " + kDamagedWarning, result.err);
}

TEST_F(SkinpackTest, ControlCharactersInNamesAreWrittenOut)
{
    // A hostile name: an escape sequence, a tab and a byte Windows-1252 leaves
    // undefined; the id is the name's own hash.
    const std::string name = "\x1b[2J\tx\x81.g";
    std::string packet = "motoskin\n\nv1.00\n00000040\n\nComments:\n\n\n\nID table:\n\n" + name + "\n";
    packet.resize(64, '\0');
    const ResourceId id = NameHash(name);
    std::string header(32, '\0');
    PutLe32(header, 0, 0xABCDDCBA);
    PutLe32(header, 4, 50);
    PutLe32(header, 8, 1);
    PutLe32(header, 20, id);
    WriteFile(scratch / "hostile.ezx", packet + header);
    const ProcessResult result = scratch.Run({"list", "hostile.ezx"});
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("\\x1B[2J\\x09x\\u0081.g\t" + FormatHex32(id) + "\t0x00000000\t0x00000000\n", result.out);
    EXPECT_EQ("", result.err);
}

TEST_F(SkinpackTest, PacketsThatDoNotLoadSayWhy)
{
    const std::string good = WorkedExamplePacket();
    std::string headerBeyondEnd = good;
    headerBeyondEnd.replace(16, 8, "00000400");
    std::string noNameList = "motoskin\n\nv1.00\n00000034\n\nComments:\n\nab\n\nID table:\n\n";
    std::string header(20, '\0');
    PutLe32(header, 0, 0xABCDDCBA);
    PutLe32(header, 4, 52);
    noNameList += header;
    const struct {
        const char* file;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"short.ezx", good.substr(0, 23), "shorter than 24 bytes"},
        {"far.ezx", headerBeyondEnd, "header past end of file"},
        {"cut.ezx", good.substr(0, 100), "ID table cut off"},
        {"nonames.ezx", noNameList, "empty name list"},
    };
    for (const auto& c : cases) {
        WriteFile(scratch / c.file, c.bytes);
        const ProcessResult result = scratch.Run({"list", c.file});
        EXPECT_EQ(1, result.exitCode) << c.file;
        EXPECT_EQ("", result.out) << c.file;
        EXPECT_EQ(std::string("skinpack: cannot read packet ") + c.file + ": " + c.reason + "\n", result.err);
    }
    std::filesystem::create_directory(scratch / "folder.ezx");
    EXPECT_EQ("skinpack: cannot read packet folder.ezx: not a regular file\n",
        scratch.Run({"info", "folder.ezx"}).err);
    EXPECT_EQ("skinpack: cannot read packet missing.ezx: no such file\n",
        scratch.Run({"extract", "missing.ezx", "out"}).err);
    EXPECT_FALSE(std::filesystem::exists(scratch / "out"));
}

TEST_F(SkinpackTest, WrongCommandLinesExitTwoAndDoNothing)
{
    WriteFile(scratch / "two.ezx", WorkedExamplePacket());
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frob"},
        {"list"},
        {"list", "two.ezx", "more"},
        {"list", "--bogus", "two.ezx"},
        {"list", ""},
        {"info", ""},
        {"extract", "two.ezx"},
        {"extract", "", "out"},
        {"extract", "two.ezx", ""},
        {"build", "pictures"},
        {"build", "pictures", "-o"},
        {"build", "pictures", "-o", "a.ezx", "-o", "b.ezx"},
        {"build", "pictures", "-o", "a.ezx", "--comment", "x", "--comment-file", "y"},
        {"build", "pictures", "-o", "a.ezx", "--force=yes"},
        {"hash"},
        {"verify"},
        {"verify", ""},
    };
    for (const auto& args : cases) {
        const ProcessResult result = scratch.Run(args);
        EXPECT_EQ(2, result.exitCode) << ::testing::PrintToString(args);
        EXPECT_EQ("", result.out);
        EXPECT_TRUE(result.err.starts_with("skinpack: ")) << result.err;
        EXPECT_TRUE(result.err.ends_with("\nTry 'skinpack --help'.\n")) << result.err;
    }
    EXPECT_EQ("skinpack: unknown option --bogus\nTry 'skinpack --help'.\n",
        scratch.Run({"list", "--bogus", "two.ezx"}).err);
    EXPECT_EQ((std::vector<std::string>{"two.ezx"}), ListFolder(scratch.work()));
}

TEST_F(SkinpackTest, EveryCommandAnswersHelpAndVersion)
{
    for (const char* command : {"list", "info", "extract", "build", "verify", "hash"}) {
        const ProcessResult help = scratch.Run({command, "--help"});
        EXPECT_EQ(0, help.exitCode) << command;
        EXPECT_TRUE(help.out.starts_with("Usage: skinpack COMMAND")) << command;
        const ProcessResult version = scratch.Run({command, "--version"});
        EXPECT_EQ(0, version.exitCode) << command;
        EXPECT_EQ("skinpack 1.0.0\n", version.out) << command;
    }
    EXPECT_EQ("skinpack 1.0.0\n", scratch.Run({"--version"}).out);
    EXPECT_EQ(scratch.Run({"--help"}).out, scratch.Run({"-h"}).out);
}

TEST_F(SkinpackTest, HashesNamesAsWindows1252Bytes)
{
    const ProcessResult result = scratch.Run({"hash", "ok.g", "OK.g", "status_bar_battery_level_3.g", "\xC3\xA9.g", ""});
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("0x000002EF\tok.g\n0x0000036F\tOK.g\n0xD7BBCA85\tstatus_bar_battery_level_3.g\n"
              "0x00000061\t\xC3\xA9.g\n0x00000000\t\n",
        result.out);
    const ProcessResult unrepresentable = scratch.Run({"hash", "\xC5\x82.g", "ok.g"});
    EXPECT_EQ(1, unrepresentable.exitCode);
    EXPECT_EQ("0x000002EF\tok.g\n", unrepresentable.out);
}

TEST_F(SkinpackTest, InfoShowsHeaderCommentAndCounts)
{
    WritePictures("pictures");
    WriteFile(scratch / "no-rows", "");
    ASSERT_EQ(0, scratch.Run({"build", "pictures", "--order", "no-rows", "-o", "empty.ezx", "--comment",
                                 "Theme \xE2\x82\xAC\r\nby me"}).exitCode);
    const ProcessResult result = scratch.Run({"info", "empty.ezx"});
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("file size\t84\nheader offset\t0x00000040\nmagic\t0xABCDDCBA\nname list offset\t0x0000003F\n"
              "ID table offset\t0x00000054\ndata area offset\t0x00000054\nresources\t0\n"
              "names not matching their id\t0\ncomment\tTheme \xE2\x82\xAC\\x0Aby me\n",
        result.out);
}

TEST_F(SkinpackTest, BuildsTheTwoResourcePacketByteForByte)
{
    WritePictures("pictures");
    WriteFile(scratch / "order", "ok.g\r\n\nback.g\n");
    const ProcessResult result = scratch.Run({"build", "pictures", "--order", "order", "-o", "two.ezx"});
    EXPECT_EQ(0, result.exitCode) << result.err;
    EXPECT_EQ("Successfully built two.ezx!\n", result.out);
    EXPECT_EQ("", result.err);
    EXPECT_EQ(WorkedExamplePacket(), ReadFile(scratch / "two.ezx"));
}

TEST_F(SkinpackTest, BuildTakesEveryGifOfTheFolderByFileName)
{
    std::filesystem::create_directories(scratch / "pictures" / "sub.gif");
    WriteFile(scratch / "pictures" / "ok.GIF", OkPicture());
    WriteFile(scratch / "pictures" / "back.gif", BackPicture());
    WriteFile(scratch / "pictures" / "notes.txt", "not a picture");
    ASSERT_EQ(0, scratch.Run({"build", "pictures", "-o", "two.ezx"}).exitCode);
    EXPECT_EQ("back.g\t0x000008DF\t0x00000000\t0x00000000\n"
              "ok.g\t0x000002EF\t0x00000007\t0x0000002B\n",
        scratch.Run({"list", "two.ezx"}).out);
}

TEST_F(SkinpackTest, BuildStoresTheCommentAsGiven)
{
    WritePictures("pictures");
    WriteFile(scratch / "order", "ok.g\nback.g\n");
    WriteFile(scratch / "comment.txt", "Theme A\r\nby me");
    ASSERT_EQ(0, scratch.Run({"build", "pictures", "--order", "order", "--comment-file", "comment.txt", "-o",
                                 "a.ezx"}).exitCode);
    ASSERT_EQ(0, scratch.Run({"build", "pictures", "--order", "order", "--comment", "Theme A\nby me", "-o",
                                 "b.ezx"}).exitCode);
    ASSERT_EQ(0, scratch.Run({"build", "pictures", "--order", "order", "--comment-from", "a.ezx", "-o",
                                 "c.ezx"}).exitCode);
    const std::string packet = ReadFile(scratch / "a.ezx");
    EXPECT_EQ(214u, packet.size());
    EXPECT_EQ("0000004c\n\nComments:\n\nTheme A\nby me\n\nID table:\n\nok.g\n", packet.substr(16, 52));
    EXPECT_EQ(packet, ReadFile(scratch / "b.ezx"));
    EXPECT_EQ(packet, ReadFile(scratch / "c.ezx"));

    const ProcessResult unrepresentable =
        scratch.Run({"build", "pictures", "--comment", "\xC5\x82", "-o", "d.ezx"});
    EXPECT_EQ(1, unrepresentable.exitCode);
    EXPECT_EQ("skinpack: the comment is not UTF-8 text that Windows-1252 can represent\n", unrepresentable.err);
    const ProcessResult notAPacket = scratch.Run({"build", "pictures", "--comment-from", "order", "-o", "d.ezx"});
    EXPECT_EQ(1, notAPacket.exitCode);
    EXPECT_EQ("skinpack: order: shorter than 24 bytes\n", notAPacket.err);
    EXPECT_FALSE(std::filesystem::exists(scratch / "d.ezx"));
}

TEST_F(SkinpackTest, CommentFileErrorsNameTheFile)
{
    WritePictures("pictures");
    std::filesystem::create_directories(scratch / "folder");
    WriteFile(scratch / "zero.txt", std::string("a\0b", 3));
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"missing.txt", "skinpack: missing.txt: no such file\n"},
        {"folder", "skinpack: folder: not a regular file\n"},
        {"zero.txt", "skinpack: zero.txt: the comment holds a zero byte\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult result = scratch.Run({"build", "pictures", "--comment-file", c.file, "-o", "new.ezx"});
        EXPECT_EQ(1, result.exitCode) << c.file;
        EXPECT_EQ(c.message, result.err);
    }
    EXPECT_FALSE(std::filesystem::exists(scratch / "new.ezx"));
}

TEST_F(SkinpackTest, BuildRefusesMissingOrEmptyPicturesAndLeavesNoPacket)
{
    WritePictures("pictures");
    WriteFile(scratch / "pictures" / "empty.gif", "");
    // What a name leaving the work folder would reach, were it followed.
    WriteFile(scratch / "x.gif", OkPicture());
#ifndef _WIN32  // on Windows the backslash is a separator, and the name leaves the folder
    WriteFile(scratch / "pictures" / "..\\y.gif", OkPicture());
#endif
    WriteFile(scratch / "two.ezx", "old");
    const struct {
        const char* order;
        const char* message;
    } cases[] = {
        {"ok.g\nmissing.g\n", "Resource File: missing.g does not exist or empty, cannot continue!\n"},
        {"empty.g\nok.g\n", "Resource File: empty.g does not exist or empty, cannot continue!\n"},
        {"ok.g\n../x.g\n", "Resource File: ../x.g does not exist or empty, cannot continue!\n"},
        {"..\\y.g\n", "Resource File: ..\\y.g does not exist or empty, cannot continue!\n"},
    };
    for (const auto& c : cases) {
        WriteFile(scratch / "order", c.order);
        const ProcessResult result = scratch.Run({"build", "pictures", "--order", "order", "-f", "-o", "two.ezx"});
        EXPECT_EQ(1, result.exitCode);
        EXPECT_EQ("", result.out);
        EXPECT_EQ(c.message, result.err);
        EXPECT_EQ("old", ReadFile(scratch / "two.ezx"));
    }
    const ProcessResult noFolder = scratch.Run({"build", "nowhere", "-o", "new.ezx"});
    EXPECT_EQ(1, noFolder.exitCode);
    EXPECT_EQ("skinpack: nowhere is not a folder\n", noFolder.err);
    EXPECT_EQ((std::vector<std::string>{"order", "pictures", "two.ezx", "x.gif"}), ListFolder(scratch.work()));
}

#ifndef _WIN32  // Windows names files in UTF-16, never in bytes that are no UTF-8
TEST_F(SkinpackTest, BuildSaysWhenAFileNameIsNotUtf8)
{
    WritePictures("pictures");
    WriteFile(scratch / "pictures" / "caf\xE9.gif", OkPicture());
    const ProcessResult result = scratch.Run({"build", "pictures", "-o", "new.ezx"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("skinpack: caf\\xE9.gif: The file name is not valid UTF-8, the encoding of the system's file names.\n",
              result.err);
}
#endif

#ifndef _WIN32  // a Windows folder cannot hold both
TEST_F(SkinpackTest, BuildRefusesARowWhosePictureMatchesTwoFilesByCase)
{
    std::filesystem::create_directories(scratch / "pictures");
    WriteFile(scratch / "pictures" / "E.GIF", OkPicture());
    WriteFile(scratch / "pictures" / "e.gif", BackPicture());
    const ProcessResult result = scratch.Run({"build", "pictures", "-o", "new.ezx"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("", result.out);
    EXPECT_EQ("Resource File: E.g does not exist or empty, cannot continue!\n", result.err);
    EXPECT_FALSE(std::filesystem::exists(scratch / "new.ezx"));
}
#endif

TEST_F(SkinpackTest, BuildReplacesAnExistingPacketOnlyWhenForced)
{
    WritePictures("pictures");
    WriteFile(scratch / "two.ezx", "old");
    const ProcessResult refused = scratch.Run({"build", "pictures", "-o", "two.ezx"});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_EQ("skinpack: two.ezx already exists; give -f to replace it\n", refused.err);
    EXPECT_EQ("old", ReadFile(scratch / "two.ezx"));
    EXPECT_EQ(0, scratch.Run({"build", "pictures", "--force", "-o", "two.ezx"}).exitCode);
    EXPECT_EQ(202u, ReadFile(scratch / "two.ezx").size());
}

#ifdef _WIN32
// Another program reading the packet keeps it open without letting it be
// replaced: the new packet cannot take its place, and the old one stays.
TEST_F(SkinpackTest, APacketHeldOpenElsewhereStaysAndNoTemporaryFileIsLeft)
{
    std::filesystem::create_directories(scratch / "pictures");
    WriteFile(scratch / "pictures" / "ok.gif", OkPicture());
    WriteFile(scratch / "held.ezx", "old");
    const HANDLE held = CreateFileW((scratch / "held.ezx").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ProcessResult result = scratch.Run({"build", "pictures", "-f", "-o", "held.ezx"});
    CloseHandle(held);
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("Failed to write new resource packet held.ezx!\n", result.err);
    EXPECT_EQ("old", ReadFile(scratch / "held.ezx"));
    EXPECT_EQ((std::vector<std::string>{"held.ezx", "pictures"}), ListFolder(scratch.work()));
}
#else
TEST_F(SkinpackTest, FailedWriteLeavesTheOldPacketAndNoTemporaryFile)
{
    std::filesystem::create_directories(scratch / "pictures");
    WriteFile(scratch / "pictures" / "big.gif", Picture(4096, 0));
    WriteFile(scratch / "new.ezx", "old");
    const ProcessResult result = scratch.Run({"build", "pictures", "-f", "-o", "new.ezx"}, 2);
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("", result.out);
    EXPECT_EQ("Failed to write new resource packet new.ezx!\n", result.err);
    EXPECT_EQ("old", ReadFile(scratch / "new.ezx"));
    EXPECT_EQ((std::vector<std::string>{"new.ezx", "pictures"}), ListFolder(scratch.work()));
}
#endif

TEST_F(SkinpackTest, ExtractWritesSideFilesAndEveryPicture)
{
    WriteFile(scratch / "two.ezx", WorkedExamplePacket());
    const ProcessResult result = scratch.Run({"extract", "two.ezx", "out/skin"});
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("Successfully exported!\n", result.out);
    EXPECT_EQ("", result.err);
    EXPECT_EQ((std::vector<std::string>{"back.gif", "hashtable", "headerfile", "ok.gif"}),
        ListFolder(scratch / "out/skin"));
    EXPECT_EQ(WorkedExamplePacket().substr(0, 84), ReadFile(scratch / "out/skin/headerfile"));
    EXPECT_EQ("751 0 0 1 ok.g\n2271 5 51 2 back.g\n", ReadFile(scratch / "out/skin/hashtable"));
    EXPECT_EQ(OkPicture(), ReadFile(scratch / "out/skin/ok.gif"));
    EXPECT_EQ(BackPicture(), ReadFile(scratch / "out/skin/back.gif"));
}

TEST_F(SkinpackTest, ExtractCountsRecordsThatCannotBeReadAndLeavesNoEmptyFile)
{
    std::string packet = WorkedExamplePacket();
    packet.pop_back();  // back.g's record now runs past the end
    WriteFile(scratch / "cut.ezx", packet);
    std::filesystem::create_directory(scratch / "out");
    WriteFile(scratch / "out" / "back.gif", "keep");
    const ProcessResult result = scratch.Run({"extract", "cut.ezx", "out"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("", result.out);
    EXPECT_EQ("out" + kSeparator + "back.gif Failed to save\n1 of 2 Failed to save\n", result.err);
    EXPECT_EQ((std::vector<std::string>{"back.gif", "hashtable", "headerfile", "ok.gif"}), ListFolder(scratch / "out"));
    EXPECT_EQ("keep", ReadFile(scratch / "out" / "back.gif"));
}

TEST_F(SkinpackTest, ExtractKeepsNamesThatWouldLeaveTheFolderInside)
{
    // The writer refuses such names, so the packet is built with stand-ins of
    // the same length whose names and ids are then overwritten.
    const struct {
        std::string standIn;
        std::string name;
    } renamed[] = {{"sub_evil.g", "sub/evil.g"}, {"dd_up.g", "..\\up.g"}};
    WritePictures("pictures");
    std::string order = "ok.g\n";
    for (const auto& r : renamed) {
        WriteFile(scratch / "pictures" / PictureFileName(r.standIn), OkPicture());
        order += r.standIn + "\n";
    }
    WriteFile(scratch / "order", order);
    ASSERT_EQ(0, scratch.Run({"build", "pictures", "--order", "order", "-o", "odd.ezx"}).exitCode);
    std::string packet = ReadFile(scratch / "odd.ezx");
    const std::size_t idTableAt = std::stoul(packet.substr(kHeaderOffsetDigitsAt, 8), nullptr, 16) + kPacketHeaderSize;
    for (std::size_t row = 0; row < std::size(renamed); ++row) {
        const std::size_t nameAt = packet.find("\n" + renamed[row].standIn + "\n") + 1;
        packet.replace(nameAt, renamed[row].name.size(), renamed[row].name);
        PutLe32(packet, idTableAt + kIdRowSize * (row + 1), NameHash(renamed[row].name));
    }
    WriteFile(scratch / "odd.ezx", packet);

    const ProcessResult result = scratch.Run({"extract", "odd.ezx", "out"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("", result.out);
    EXPECT_EQ("skinpack: sub/evil.g is not saved: its name would leave the folder\n"
              "skinpack: ..\\up.g is not saved: its name would leave the folder\n"
              "2 of 3 Failed to save\n",
        result.err);
    EXPECT_EQ((std::vector<std::string>{"hashtable", "headerfile", "ok.gif"}), ListFolder(scratch / "out"));
    EXPECT_EQ((std::vector<std::string>{"odd.ezx", "order", "out", "pictures"}), ListFolder(scratch.work()));
}

TEST_F(SkinpackTest, ExtractIntoAFolderThatCannotBeMadeFails)
{
    WriteFile(scratch / "two.ezx", WorkedExamplePacket());
    WriteFile(scratch / "taken", "a file");
    const ProcessResult result = scratch.Run({"extract", "two.ezx", "taken"});
    EXPECT_EQ(1, result.exitCode);
    EXPECT_EQ("skinpack: cannot create the folder taken\n", result.err);
}

}  // namespace
}  // namespace skinwright::cli::test
