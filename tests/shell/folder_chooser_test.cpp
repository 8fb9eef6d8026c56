#include "shell/folder_chooser.h"

#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/scripted_dialogs.h"

namespace skinwright::shell {
namespace {

using platform::ScriptedDialogs;

const QString k35 = QStringLiteral("/home/someone/skins/e680/work/abcde");

TEST(ShortenForStatusTest, CutsAfterThirtyFiveCharacters)
{
    ASSERT_EQ(k35.size(), 35);
    EXPECT_EQ(FolderChooser::ShortenForStatus(QString()), QString());
    EXPECT_EQ(FolderChooser::ShortenForStatus(k35), k35);
    EXPECT_EQ(FolderChooser::ShortenForStatus(k35 + "f"), k35 + "...");
    const QString shortened = FolderChooser::ShortenForStatus(k35 + "/and/much/further/down");
    EXPECT_EQ(shortened, k35 + "...");
    EXPECT_EQ(shortened.size(), 38);
}

struct ShowCase {
    const char* name;
    QString initial;
    std::optional<QString> answer;
    int result;
    QString path;
    QStringList statusTexts;
};

class FolderChooserShowTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(FolderChooserShowTest, BrowsesFromTheInitialFolder)
{
    const ShowCase& c = GetParam();
    ScriptedDialogs dialogs;
    dialogs.QueueFolder(c.answer);
    QWidget owner;
    FolderChooser chooser(c.initial, 0, &owner, dialogs);

    EXPECT_EQ(chooser.Show(), c.result);
    if (c.result == FolderChooser::Ok) {
        EXPECT_EQ(chooser.GetPath(), c.path);
    }

    ASSERT_EQ(dialogs.FolderCalls().size(), 1u);
    const ScriptedDialogs::FolderCall& call = dialogs.FolderCalls().front();
    EXPECT_EQ(call.request.title, "Please select folder:");
    EXPECT_EQ(call.request.owner, &owner);
    EXPECT_TRUE(call.request.statusLine);
    EXPECT_EQ(call.selections, QStringList{c.initial});
    EXPECT_EQ(call.statusTexts, c.statusTexts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderChooserShowTest,
    ::testing::Values(
        ShowCase{"Chosen", "/tmp/start/", QString("/tmp/chosen"), FolderChooser::Ok, "/tmp/chosen",
                 {"/tmp/start/", "/tmp/chosen"}},
        ShowCase{"Cancelled", "/tmp/start/", std::nullopt, FolderChooser::Cancel, {}, {"/tmp/start/"}},
        ShowCase{"LongInitialFolderShortened", k35 + "f/", QString("/"), FolderChooser::Ok, "/",
                 {k35 + "...", "/"}},
        ShowCase{"InitialFolderOfThirtyFive", k35, QString(k35 + "/deeper/folder"), FolderChooser::Ok,
                 k35 + "/deeper/folder", {k35, k35 + "..."}}),
    [](const ::testing::TestParamInfo<ShowCase>& param) { return std::string(param.param.name); });

TEST(FolderChooserTest, NoInitialFolderStartsAtTheHomeFolder)
{
    ScriptedDialogs dialogs;
    FolderChooser chooser(QString(), 0, nullptr, dialogs);

    EXPECT_EQ(chooser.Show(), FolderChooser::Cancel);

    const QString home = QDir::homePath() + "/";
    ASSERT_EQ(dialogs.FolderCalls().size(), 1u);
    EXPECT_EQ(dialogs.FolderCalls().front().selections, QStringList{home});
}

}  // namespace
}  // namespace skinwright::shell
