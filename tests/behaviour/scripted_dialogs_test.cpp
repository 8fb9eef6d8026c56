#include <gtest/gtest.h>

#include "behaviour/scripted_dialogs.h"

namespace skinwright::behaviour {
namespace {

TEST(ScriptedDialogs, AnswersFromTheQueueThenLikeACancel)
{
    ScriptedDialogs dialogs;
    dialogs.QueueMessageAnswer(MessageAnswer::No);
    dialogs.QueueFiles({"/tmp/a.gif", "/tmp/b.gif"});
    dialogs.QueueFolder("/tmp");

    EXPECT_EQ(dialogs.ShowMessage({}), MessageAnswer::No);
    EXPECT_EQ(dialogs.ShowMessage({}), MessageAnswer::Ok);
    EXPECT_EQ(dialogs.AskForFiles({}), (std::vector<std::filesystem::path>{"/tmp/a.gif", "/tmp/b.gif"}));
    EXPECT_TRUE(dialogs.AskForFiles({}).empty());
    EXPECT_EQ(dialogs.BrowseForFolder({}), std::filesystem::path("/tmp"));
    EXPECT_EQ(dialogs.BrowseForFolder({}), std::nullopt);

    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[1].answer, MessageAnswer::Ok);
    ASSERT_EQ(dialogs.FileCalls().size(), 2u);
    EXPECT_TRUE(dialogs.FileCalls()[1].answer.empty());
    ASSERT_EQ(dialogs.FolderCalls().size(), 2u);
    EXPECT_EQ(dialogs.FolderCalls()[1].answer, std::nullopt);
}

TEST(ScriptedDialogs, RecordsTheExactRequests)
{
    ScriptedDialogs dialogs;
    MessageRequest message;
    message.text = "x Failed to save";
    message.caption = "skinwright";
    message.buttons = MessageButtons::YesNo;
    message.icon = MessageIcon::None;
    dialogs.ShowMessage(message);

    FileRequest file;
    file.save = true;
    file.defaultExtension = "ezx";
    file.initialName = "iconres.ezx";
    file.initialFolder = "/work/";
    file.filter = "Motorola Skin File(*.ezx)|*.ezx||";
    file.confirmOverwrite = true;
    dialogs.AskForFiles(file);

    const MessageRequest& shown = dialogs.Messages().at(0).request;
    EXPECT_EQ(shown.text, message.text);
    EXPECT_EQ(shown.caption, message.caption);
    EXPECT_EQ(shown.buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown.icon, MessageIcon::None);

    const FileRequest& asked = dialogs.FileCalls().at(0).request;
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.defaultExtension, "ezx");
    EXPECT_EQ(asked.initialName, "iconres.ezx");
    EXPECT_EQ(asked.initialFolder, "/work/");
    EXPECT_EQ(asked.filter, file.filter);
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_FALSE(asked.multiSelect);
}

TEST(ScriptedDialogs, RunsTheBrowserCallbacksAndRecordsWhatTheyShow)
{
    ScriptedDialogs dialogs;
    dialogs.QueueFolder("/home/user/skins");
    dialogs.QueueFolder(std::nullopt);

    std::vector<std::filesystem::path> changes;
    FolderRequest request;
    request.title = "Please select folder:";
    request.onInitialized = [](FolderBrowser& browser) {
        browser.SetSelection("/start");
        browser.SetStatusText("/start");
    };
    request.onSelectionChanged = [&changes](FolderBrowser& browser, const std::filesystem::path& path) {
        changes.push_back(path);
        browser.SetStatusText("now " + path.generic_string());
    };

    EXPECT_EQ(dialogs.BrowseForFolder(request), std::filesystem::path("/home/user/skins"));
    EXPECT_EQ(dialogs.BrowseForFolder(request), std::nullopt);

    EXPECT_EQ(changes, std::vector<std::filesystem::path>{"/home/user/skins"});
    const auto& chosen = dialogs.FolderCalls().at(0);
    EXPECT_EQ(chosen.request.title, "Please select folder:");
    EXPECT_EQ(chosen.selections, std::vector<std::filesystem::path>{"/start"});
    EXPECT_EQ(chosen.statusTexts, (std::vector<std::string>{"/start", "now /home/user/skins"}));
    const auto& cancelled = dialogs.FolderCalls().at(1);
    EXPECT_EQ(cancelled.statusTexts, std::vector<std::string>{"/start"});
}

}  // namespace
}  // namespace skinwright::behaviour
