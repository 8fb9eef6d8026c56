// skinpack pictures and diff on the demo theme and on pictures changed from
// it: what they print is the expected file in expected/, and their exit status.
#include <gtest/gtest.h>

#include "core/file_names.h"
#include "expected_output.h"
#include "skinpack_process.h"
#include "tests/support/gif_pictures.h"
#include "tests/support/picture_packets.h"

namespace skinwright::cli::test {
namespace {

using namespace skinwright::test;

// stock.ezx: the demo theme, commented "Demo theme". mine.ezx: the same
// without call.gif, with clock.gif cut at 100 bytes, ok.gif of 3 frames of
// 32x32 that loop, a PNG as phone.gif, and a comment of two lines. cut.ezx:
// stock.ezx without its last 10 bytes, inside the record of signal_3.g.
// dup-old.ezx and dup-new.ezx: ok.g two and three times, with other pictures.
class PictureCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::filesystem::path theme = PathFromUtf8(SKINWRIGHT_DEMO_THEME);
        std::filesystem::copy(theme, scratch / "stock");
        std::filesystem::copy(theme, scratch / "mine");
        std::filesystem::remove(scratch / "mine" / "call.gif");
        WriteFile(scratch / "mine" / "clock.gif", ReadFile(theme / "clock.gif").substr(0, 100));
        WriteFile(scratch / "mine" / "ok.gif", GifPicture(32, 32, 3, true));
        WriteFile(scratch / "mine" / "phone.gif", PngStart());
        ASSERT_EQ(0, scratch.Run({"build", "stock", "--comment", "Demo theme", "-o", "stock.ezx"}).exitCode);
        ASSERT_EQ(0, scratch.Run({"build", "mine", "--comment", "My theme\nfor the E680", "-o", "mine.ezx"}).exitCode);
        const std::string stock = ReadFile(scratch / "stock.ezx");
        WriteFile(scratch / "cut.ezx", stock.substr(0, stock.size() - 10));
        const std::string oneFrame = GifPicture(24, 24, 1, false);
        WriteFile(scratch / "dup-old.ezx",
            PacketOfPictures("", {Named("ok.g", oneFrame), Named("ok.g", GifPicture(24, 24, 2, false))}));
        WriteFile(scratch / "dup-new.ezx", PacketOfPictures("",
            {Named("ok.g", oneFrame), Named("ok.g", GifPicture(32, 32, 1, false)), Named("ok.g", oneFrame)}));
    }

    ScratchFolder scratch;
};

TEST_F(PictureCommandsTest, PrintWhatTheExpectedFilesHold)
{
    const struct {
        std::vector<std::string> args;
        const char* expected;
        int exitCode;
    } cases[] = {
        {{"pictures", "mine.ezx"}, "pictures-mine.stdout.exact", 0},
        {{"pictures", "--problems", "mine.ezx"}, "pictures-mine-problems.stdout.exact", 1},
        {{"pictures", "cut.ezx", "--problems"}, "pictures-cut-problems.stdout.exact", 1},
        {{"diff", "stock.ezx", "mine.ezx"}, "diff-stock-mine.stdout.exact", 1},
        {{"diff", "dup-old.ezx", "dup-new.ezx"}, "diff-duplicates.stdout.exact", 1},
        {{"diff", "stock.ezx", "stock.ezx"}, "diff-stock-stock.stdout.exact", 0},
    };
    for (const auto& c : cases) {
        const ProcessResult result = scratch.Run(c.args);
        EXPECT_EQ(c.exitCode, result.exitCode) << c.expected;
        EXPECT_EQ(ExpectedOutput(c.expected), result.out) << c.expected;
        EXPECT_EQ("", result.err) << c.expected;
    }
}

// As cmp -s: nothing, not even a packet's warning, but why a packet cannot be read.
TEST_F(PictureCommandsTest, QuietDiffsAndPacketsWithoutProblemsPrintNothing)
{
    WriteFile(scratch / "damaged.ezx", PacketOfPictures("", {{"ok.g", GifPicture(24, 24, 1, false), 12345}}));
    const std::string missing = "skinpack: cannot read packet missing.ezx: no such file\n";
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    } cases[] = {
        {{"pictures", "--problems", "stock.ezx"}, 0, ""},
        {{"diff", "-q", "stock.ezx", "mine.ezx"}, 1, ""},
        {{"diff", "--quiet", "damaged.ezx", "damaged.ezx"}, 0, ""},
        {{"diff", "-q", "stock.ezx", "missing.ezx"}, 2, missing},
        {{"diff", "missing.ezx", "stock.ezx"}, 2, missing},
    };
    for (const auto& c : cases) {
        const ProcessResult result = scratch.Run(c.args);
        EXPECT_EQ(c.exitCode, result.exitCode) << ::testing::PrintToString(c.args);
        EXPECT_EQ("", result.out) << ::testing::PrintToString(c.args);
        EXPECT_EQ(c.err, result.err) << ::testing::PrintToString(c.args);
    }
}

TEST_F(PictureCommandsTest, WrongCommandLinesExitTwoAndDoNothing)
{
    const std::vector<std::vector<std::string>> cases = {
        {"pictures"},
        {"pictures", "mine.ezx", "stock.ezx"},
        {"diff", "mine.ezx"},
        {"diff", "", "mine.ezx"},
        {"sheet", "mine.ezx"},
        {"sheet", "-o", "out"},
    };
    for (const auto& args : cases) {
        const ProcessResult result = scratch.Run(args);
        EXPECT_EQ(2, result.exitCode) << ::testing::PrintToString(args);
        EXPECT_EQ("", result.out);
        EXPECT_TRUE(result.err.ends_with("\nTry 'skinpack --help'.\n")) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch / "out"));
}

}  // namespace
}  // namespace skinwright::cli::test
