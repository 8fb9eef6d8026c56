// skinpack sheet: the page and the pictures beside it, and the folder it
// takes. How a browser shows the page is sheet_in_chromium.sh's to check.
#include <gtest/gtest.h>

#include "core/file_names.h"
#include "expected_output.h"
#include "skinpack_process.h"
#include "tests/support/gif_pictures.h"
#include "tests/support/picture_packets.h"

namespace skinwright::cli::test {
namespace {

using namespace skinwright::test;

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy(PathFromUtf8(SKINWRIGHT_DEMO_THEME), scratch / "theme");
        ASSERT_EQ(0, scratch.Run({"build", "theme", "-o", "theme.ezx"}).exitCode);
    }

    ScratchFolder scratch;
};

TEST_F(SheetTest, PicturesBesideThePageAreTheFilesExtractWrites)
{
    const ProcessResult result = scratch.Run({"sheet", "theme.ezx", "-o", "sheet"});
    EXPECT_EQ(0, result.exitCode);
    const std::string page = PathToUtf8(std::filesystem::path("sheet") / "index.html");
    EXPECT_EQ("Contact sheet written to " + page + "\n", result.out);
    EXPECT_EQ("", result.err);
    ASSERT_EQ(0, scratch.Run({"extract", "theme.ezx", "extracted"}).exitCode);
    std::vector<std::string> expected = ListFolder(scratch / "theme");
    expected.insert(expected.begin() + 5, "index.html");  // after "clock.gif"
    EXPECT_EQ(expected, ListFolder(scratch / "sheet"));
    for (const std::string& picture : ListFolder(scratch / "theme"))
        EXPECT_EQ(ReadFile(scratch / "extracted" / picture), ReadFile(scratch / "sheet" / picture)) << picture;
}

TEST_F(SheetTest, TheFolderMustBeNewOrEmptyUnlessForced)
{
    std::filesystem::create_directories(scratch / "empty");
    std::filesystem::create_directories(scratch / "taken");
    WriteFile(scratch / "taken" / "notes.txt", "mine");
    WriteFile(scratch / "file", "not a folder");
    const ProcessResult refused = scratch.Run({"sheet", "theme.ezx", "-o", "taken"});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_EQ("skinpack: taken is not empty; give -f to write the sheet into it\n", refused.err);
    EXPECT_EQ((std::vector<std::string>{"notes.txt"}), ListFolder(scratch / "taken"));
    const ProcessResult notAFolder = scratch.Run({"sheet", "theme.ezx", "-o", "file"});
    EXPECT_EQ(1, notAFolder.exitCode);
    EXPECT_EQ("skinpack: file is not a folder\n", notAFolder.err);

    EXPECT_EQ(0, scratch.Run({"sheet", "theme.ezx", "-o", "empty"}).exitCode);
    EXPECT_EQ(0, scratch.Run({"sheet", "theme.ezx", "-f", "-o", "taken"}).exitCode);
    EXPECT_EQ("mine", ReadFile(scratch / "taken" / "notes.txt"));
    EXPECT_EQ(ReadFile(scratch / "empty" / "index.html"), ReadFile(scratch / "taken" / "index.html"));
    EXPECT_EQ(14u, ListFolder(scratch / "taken").size());
}

// A name HTML and URLs give a meaning to, a name twice but for case, a name
// that would leave the folder, a damaged name, a PNG and a record cut off.
TEST_F(SheetTest, ThePageShowsEveryResourceAndMarksWhatIsWrong)
{
    std::string packet = PacketOfPictures("Theme <b>&\"'</b>\nsecond line", {
        Named("ok.g", GifPicture(24, 24, 1, false)),
        Named("a&b'c#d%e f.g", GifPicture(32, 16, 2, true)),
        Named("OK.g", GifPicture(24, 24, 1, false)),
        Named("sub/x.g", GifPicture(24, 24, 1, false)),
        {"lock.g", GifPicture(20, 24, 1, false), 12345},
        Named("phone.g", PngStart()),
        Named("cut.g", GifPicture(16, 16, 1, false)),
    });
    packet.resize(packet.size() - 5);
    WriteFile(scratch / "marks.ezx", packet);
    const ProcessResult result = scratch.Run({"sheet", "marks.ezx", "-o", "sheet"});
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("warning: marks.ezx: This resource packet may be damaged, continue to use may cause error!\n",
        result.err);
    const std::string page = ReadFile(scratch / "sheet" / "index.html");
    EXPECT_EQ(ExpectedOutput("sheet-marks.body.html.exact"), page.substr(page.find("<body>")));
    EXPECT_EQ((std::vector<std::string>{"!!!0x00003039.gif", "a&b'c#d%e f.gif", "index.html", "ok.gif", "phone.gif"}),
        ListFolder(scratch / "sheet"));
}

}  // namespace
}  // namespace skinwright::cli::test
