#include "behaviour/folder_chooser.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "behaviour/scripted_dialogs.h"
#include "core/file_names.h"
#include "tests/support/files.h"

namespace skinwright::behaviour {
namespace {

using Paths = std::vector<std::filesystem::path>;
using Texts = std::vector<std::string>;

const std::string k35 = "/home/someone/skins/e680/work/abcde";

TEST(ShortenForStatusTest, CutsAfterThirtyFiveCharacters)
{
    ASSERT_EQ(k35.size(), 35u);
    EXPECT_EQ(FolderChooser::ShortenForStatus(""), "");
    EXPECT_EQ(FolderChooser::ShortenForStatus(k35), k35);
    EXPECT_EQ(FolderChooser::ShortenForStatus(k35 + "f"), k35 + "...");
    const std::string shortened = FolderChooser::ShortenForStatus(k35 + "/and/much/further/down");
    EXPECT_EQ(shortened, k35 + "...");
    EXPECT_EQ(shortened.size(), 38u);
    // Characters, not bytes: 35 accented letters are 70 bytes, and whole.
    std::string accented;
    for (int i = 0; i < 35; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(FolderChooser::ShortenForStatus(accented), accented);
    EXPECT_EQ(FolderChooser::ShortenForStatus(accented + "x"), accented + "...");
}

struct ShowCase {
    const char* name;
    std::string initial;
    std::optional<std::filesystem::path> answer;
    int result;
    std::filesystem::path path;
    Texts statusTexts;
};

class FolderChooserShowTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(FolderChooserShowTest, BrowsesFromTheInitialFolder)
{
    const ShowCase& c = GetParam();
    ScriptedDialogs dialogs;
    dialogs.QueueFolder(c.answer);
    int owner = 0;
    FolderChooser chooser(c.initial, &owner, dialogs);

    EXPECT_EQ(chooser.Show(), c.result);
    if (c.result == FolderChooser::Ok) {
        EXPECT_EQ(chooser.GetPath(), c.path);
    }

    ASSERT_EQ(dialogs.FolderCalls().size(), 1u);
    const ScriptedDialogs::FolderCall& call = dialogs.FolderCalls().front();
    EXPECT_EQ(call.request.title, "Please select folder:");
    EXPECT_EQ(call.request.owner, &owner);
    EXPECT_TRUE(call.request.statusLine);
    EXPECT_EQ(call.statusTexts, c.statusTexts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderChooserShowTest,
    ::testing::Values(
        ShowCase{"Chosen", "/tmp/start/", "/tmp/chosen", FolderChooser::Ok, "/tmp/chosen",
                 {"/tmp/start/", "/tmp/chosen"}},
        ShowCase{"Cancelled", "/tmp/start/", std::nullopt, FolderChooser::Cancel, {}, {"/tmp/start/"}},
        ShowCase{"LongInitialFolderShortened", k35 + "f/", "/", FolderChooser::Ok, "/", {k35 + "...", "/"}},
        ShowCase{"InitialFolderOfThirtyFive", k35, k35 + "/deeper/folder", FolderChooser::Ok,
                 k35 + "/deeper/folder", {k35, k35 + "..."}}),
    [](const ::testing::TestParamInfo<ShowCase>& param) { return std::string(param.param.name); });

// A folder typed or remembered and since deleted opens the tree at its
// nearest existing parent; the status line still names the folder asked for.
TEST(FolderChooserTest, TheTreeOpensAtTheInitialFolderOrItsNearestExistingParent)
{
    test::TempFolder root;
    std::filesystem::create_directories(root / "skins");
    const std::filesystem::path skins = root / "skins";
    const std::pair<std::filesystem::path, std::filesystem::path> cases[] = {
        {skins, skins},
        {skins / "", skins},  // remembered with its separator
        {skins / "gone" / "deeper", skins},
        {skins / "gone" / "", skins},
    };
    for (const auto& [initial, opened] : cases) {
        ScriptedDialogs dialogs;
        FolderChooser chooser(initial, nullptr, dialogs);
        EXPECT_EQ(chooser.Show(), FolderChooser::Cancel);
        ASSERT_EQ(dialogs.FolderCalls().size(), 1u);
        ASSERT_EQ(dialogs.FolderCalls().front().selections.size(), 1u);
        const std::filesystem::path selected = dialogs.FolderCalls().front().selections.front();
        EXPECT_TRUE(std::filesystem::equivalent(selected, opened)) << initial;
        // The shell's browser selects nothing for a folder given with a separator at its end.
        EXPECT_TRUE(selected.has_filename()) << selected;
        const std::string asked = PathToUtf8(initial);
        EXPECT_EQ(dialogs.FolderCalls().front().statusTexts,
                  Texts{asked.size() > 35 ? asked.substr(0, 35) + "..." : asked});
    }
}

TEST(FolderChooserTest, NoInitialFolderStartsAtTheHomeFolder)
{
    ScriptedDialogs dialogs;
    FolderChooser chooser({}, nullptr, dialogs);

    EXPECT_EQ(chooser.Show(), FolderChooser::Cancel);

#ifdef _WIN32
    const std::filesystem::path home = "C:\\";
#else
    const std::filesystem::path home = std::getenv("HOME");
#endif
    ASSERT_EQ(dialogs.FolderCalls().size(), 1u);
    EXPECT_EQ(dialogs.FolderCalls().front().selections, Paths{home});
}

// A browser that could not select the folder its status line names keeps a
// selection of its own, which OK would return: the folder named is taken
// instead, or nothing when it is no folder.
TEST(FolderChooserTest, OkNeverReturnsAFolderOtherThanTheStatusLineNames)
{
    test::TempFolder root;
    std::filesystem::create_directories(root / "out");
    std::filesystem::create_directories(root / "Desktop");
    struct Case {
        std::filesystem::path initial;
        int result;
        std::filesystem::path path;
    };
    const Case cases[] = {
        {root / "out" / "", FolderChooser::Ok, root / "out"},
        {root / "gone" / "", FolderChooser::Cancel, {}},
    };
    for (const Case& c : cases) {
        ScriptedDialogs dialogs;
        dialogs.QueueUnreportedFolder(root / "Desktop");
        FolderChooser chooser(c.initial, nullptr, dialogs);
        EXPECT_EQ(chooser.Show(), c.result) << c.initial;
        if (c.result == FolderChooser::Ok) {
            EXPECT_EQ(chooser.GetPath(), c.path);
        }
    }
}

}  // namespace
}  // namespace skinwright::behaviour
