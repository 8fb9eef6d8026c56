// The Builder's rules through a scripted view and scripted dialogs: what the
// user would see in its controls and messages, and what lands in files.
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "behaviour/builder.h"
#include "behaviour/scripted_dialogs.h"
#include "behaviour/settings_file.h"
#include "core/file_names.h"
#include "core/packet_reader.h"
#include "tests/support/files.h"
#include "tests/support/pictures.h"

namespace skinwright::behaviour {
namespace {

const std::string kSeparator(1, static_cast<char>(std::filesystem::path::preferred_separator));

// A packet read back for what it holds, not for a window.
struct UnseenLoad : LoadTarget {
    void FoundDamagedNames(int) override {}
    void ClearList() override {}
    void AddListRow(int, const ResourceEntry&) override {}
    void Loaded(int) override {}
} unseen;

// The controls as a user would read them.
class ScriptedBuilderView : public BuilderView {
public:
    WindowHandle Window() override { return this; }
    std::string WorkFolderText() const override { return workFolderText; }
    void SetWorkFolderText(const std::string& text) override { workFolderText = text; }
    std::string CommentsText() const override { return commentsText; }
    void SetCommentsText(const std::string& text) override { commentsText = text; }
    void ShowRows(const ResourceTable& table) override
    {
        rows.clear();
        dataOffsets.clear();
        for (int i = 0; i < table.Count(); ++i) {
            rows.emplace_back(table.rows[static_cast<std::size_t>(i)].Name());
            dataOffsets.push_back(table.rows[static_cast<std::size_t>(i)].dataOffset);
        }
        selected = -1;
    }
    int SelectedRow() const override { return selected; }
    void SetCountText(const std::string& text) override { countText = text; }
    void Repaint() override {}

    std::string workFolderText;
    std::string commentsText;
    std::vector<std::string> rows;
    std::vector<std::int32_t> dataOffsets;  // the "Data Offset" column
    int selected = -1;
    std::string countText;
};

class BuilderTest : public ::testing::Test {
protected:
    // The test's folder is the work folder, as typed into its box.
    BuilderTest()
    {
        builder.Start();
        view.workFolderText = PathToUtf8(folder.Path()) + kSeparator;
        builder.TakeBoxTexts();
    }

    // Files that exist in the work folder, as the picker would report them.
    std::vector<std::filesystem::path> Pictures(const std::vector<std::string>& names)
    {
        std::vector<std::filesystem::path> paths;
        for (const std::string& name : names) {
            paths.push_back(folder.Path() / PathFromUtf8(name));
            test::WriteFile(paths.back(), test::Picture(40, 'p'));
        }
        return paths;
    }


    test::TempFolder folder;
    ScriptedBuilderView view;
    ScriptedDialogs dialogs;
    Builder builder{view, dialogs, ProgramSetup{.settingsFile = folder / "Skinwright.ini", .applicationName = "Skinwright"}};
};

TEST_F(BuilderTest, FilesThatCannotBecomeResourcesAreNamedWithTheirReasonsAndTheOthersAdded)
{
    const std::string tooLong = std::string(128, 'n') + ".gif";
    const std::pair<std::string, std::string> refusals[] = {
#ifndef _WIN32  // names Windows cannot hold, or where a backslash separates folders
        {"back\\slash.gif", "the name holds a backslash, which Windows takes for a folder separator"},
        {"line\nbreak.gif", "the name holds a line break"},
#endif
        {"snow\xE2\x98\x83.gif", "the name holds a character that Windows-1252 cannot store"},
        {tooLong, "the name would be longer than a resource name can be (127 bytes)"},
    };
    std::vector<std::filesystem::path> files = Pictures({"ok.gif"});
    std::string expected = "These files cannot become resources and were not added:";
    for (const auto& [name, reason] : refusals) {
        files.push_back(Pictures({name}).front());
        expected += "\n" + name + ": " + reason;
    }
    std::filesystem::create_directories(folder / "folder.gif");
    files.push_back(folder / "folder.gif");
    files.push_back(folder / "gone.gif");
    files.push_back(Pictures({"back.gif"}).front());
    expected += "\nfolder.gif: it is a folder\ngone.gif: it does not exist";

    builder.AddPictures(files);
    EXPECT_EQ(view.rows, (std::vector<std::string>{"ok.g", "back.g"}));
    EXPECT_EQ(view.countText, "New packet has 2 valid resources.");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{expected});
}

TEST_F(BuilderTest, PicksBeyond2048RowsAreCountedAndAFullListAsksNothing)
{
    dialogs.QueueFiles(std::vector<std::filesystem::path>(2046, Pictures({"p.gif"}).front()));
    builder.OnAddResource();
    ASSERT_EQ(view.rows.size(), 2046u);

    dialogs.QueueFiles(Pictures({"a.gif", "b.gif", "c.gif", "d.gif", "e.gif"}));
    builder.OnAddResource();
    EXPECT_EQ(view.rows.size(), 2048u);
    EXPECT_EQ(view.rows.back(), "b.g");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"3 files were not added: a resource packet holds at most 2048 resources."});

    builder.OnAddResource();
    EXPECT_EQ(dialogs.FileCalls().size(), 2u);
}

TEST_F(BuilderTest, TheFolderChooserSetsTheWorkFolderWithOneSeparator)
{
    const std::string chosen = folder.Path().string();
    struct Case {
        std::optional<std::filesystem::path> answer;
        std::string workFolder;
    };
    const Case cases[] = {
        {std::nullopt, "typed"},  // cancelled: the typed text stays taken
        {chosen, chosen + static_cast<char>(std::filesystem::path::preferred_separator)},
        {"/", "/"},
        {"/" + std::string(1024, 'd'), "/"},  // more than the box holds
    };
    view.workFolderText = "typed";
    for (const Case& c : cases) {
        dialogs.QueueFolder(c.answer);
        builder.OnChooseWorkFolder();
        EXPECT_EQ(builder.WorkFolder(), c.workFolder);
    }
    EXPECT_EQ(view.workFolderText, "/");
    EXPECT_EQ(dialogs.FolderCalls().front().statusTexts.front(), "typed");
}

// What is in the work folder box is what the user sees: "Add Resource ..."
// starts there and "Generate Packet ..." reads the pictures from there,
// though neither Enter nor "?" confirmed it.
TEST_F(BuilderTest, AddAndGenerateUseTheWorkFolderAsTyped)
{
    const std::filesystem::path typed = test::EmptyFolder(folder, "typed");
    test::WriteFile(typed / "back.gif", test::BackPicture());
    view.workFolderText = PathToUtf8(typed);

    dialogs.QueueFiles({typed / "back.gif"});
    builder.OnAddResource();
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    EXPECT_EQ(dialogs.FileCalls().front().request.initialFolder, typed);
    EXPECT_EQ(view.rows, std::vector<std::string>{"back.g"});

    const std::filesystem::path retyped = test::EmptyFolder(folder, "retyped");
    test::WriteFile(retyped / "back.gif", test::OkPicture());
    view.workFolderText = PathToUtf8(retyped);
    dialogs.QueueFiles({folder / "built.ezx"});
    builder.GeneratePacket();
    EXPECT_EQ(dialogs.MessageTexts().back(), "Successfully built " + PathToUtf8(folder / "built.ezx") + "!");
    PacketReader reader;
    ASSERT_TRUE(reader.LoadPacket(folder / "built.ezx", unseen));
    std::string picture;
    ASSERT_EQ(reader.ReadResource(0, picture), RecordStatus::Read);
    EXPECT_EQ(picture, test::OkPicture());
}

// Every picture is read from the work folder when the packet is made, so one
// from elsewhere is refused when it is added, unless the work folder holds
// the same picture under its name.
TEST_F(BuilderTest, APictureFromOutsideTheWorkFolderIsRefusedWithTheReason)
{
    const std::filesystem::path elsewhere = test::EmptyFolder(folder, "elsewhere");
    Pictures({"same.gif", "other.gif"});
    test::WriteFile(elsewhere / "same.gif", test::Picture(40, 'p'));
    test::WriteFile(elsewhere / "other.gif", test::Picture(40, 'q'));
    test::WriteFile(elsewhere / "lonely.gif", test::Picture(40, 'p'));
    const std::vector<std::filesystem::path> files = {elsewhere / "same.gif", elsewhere / "other.gif",
                                                      elsewhere / "lonely.gif", folder / "other.gif"};
    dialogs.QueueFiles(files);
    builder.OnAddResource();
    EXPECT_EQ(view.rows, (std::vector<std::string>{"same.g", "other.g"}));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"These files cannot become resources and were not added:\n"
                                       "other.gif: it is not in the work folder, from which every picture is read\n"
                                       "lonely.gif: it is not in the work folder, from which every picture is read"});

    // A drop goes by the work folder the box shows, typed or not.
    view.workFolderText = PathToUtf8(elsewhere);
    builder.AddPictures({elsewhere / "lonely.gif"});
    EXPECT_EQ(view.rows.back(), "lonely.g");
}

// A resource added twice is written twice; the list shows, after the
// packet is made, the data offsets the packet holds.
TEST_F(BuilderTest, AfterGenerateTheListShowsTheOffsetsWritten)
{
    const std::vector<std::filesystem::path> twice = Pictures({"a.gif"});
    builder.AddPictures({twice.front(), twice.front()});
    dialogs.QueueFiles({folder / "built.ezx"});
    builder.GeneratePacket();

    PacketReader reader;
    ASSERT_TRUE(reader.LoadPacket(folder / "built.ezx", unseen));
    ASSERT_EQ(reader.Table().Count(), 2);
    EXPECT_EQ(view.dataOffsets, (std::vector<std::int32_t>{reader.Table().rows[0].dataOffset,
                                                           reader.Table().rows[1].dataOffset}));
    EXPECT_NE(view.dataOffsets[0], view.dataOffsets[1]);
}

TEST_F(BuilderTest, CommentsThatCannotBeStoredAreRefusedBeforeTheSaveDialog)
{
    builder.AddPictures(Pictures({"a.gif"}));
    const std::string refused[] = {"snow \xE2\x98\x83", std::string("zero\0", 5)};
    for (const std::string& comments : refused) {
        view.commentsText = comments;
        builder.OnCommentsChanged(view.commentsText);
        dialogs.QueueFiles({folder / "built.ezx"});
        builder.GeneratePacket();
    }
    EXPECT_TRUE(dialogs.FileCalls().empty());
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>(2,
        "Comments hold characters that cannot be stored in a resource packet, cannot continue!"));
    EXPECT_FALSE(std::filesystem::exists(folder / "built.ezx"));
}

// What the user is asked: several GIFs from the work folder, and where to
// save a packet, with a question before an existing one is replaced.
TEST_F(BuilderTest, TheFileDialogsAskForPicturesAndForAPacket)
{
    builder.OnAddResource();
    builder.AddPictures(Pictures({"a.gif"}));
    builder.GeneratePacket();
    ASSERT_EQ(dialogs.FileCalls().size(), 2u);
    const FileRequest& pick = dialogs.FileCalls()[0].request;
    EXPECT_FALSE(pick.save);
    EXPECT_TRUE(pick.multiSelect);
    EXPECT_EQ(pick.initialFolder, folder.Path() / "");
    EXPECT_EQ(pick.initialName, "*.gif");
    EXPECT_EQ(pick.filter, "GIF File(*.gif)|*.gif|");
    EXPECT_EQ(pick.owner, view.Window());
    const FileRequest& save = dialogs.FileCalls()[1].request;
    EXPECT_TRUE(save.save);
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_EQ(save.defaultExtension, "ezx");
    EXPECT_EQ(save.initialName, "iconres.ezx");
    EXPECT_EQ(save.filter, "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||");
    EXPECT_EQ(save.owner, view.Window());
}

// A window destroyed without being closed first still writes what it
// remembers, and the next one opens showing it.
TEST(BuilderSettingsTest, AreWrittenWhenTheWindowGoesAndShownByTheNext)
{
    test::TempFolder folder;
    const std::filesystem::path settings = folder / "Skinwright.ini";
    ScriptedDialogs dialogs;
    {
        ScriptedBuilderView view;
        Builder builder(view, dialogs, ProgramSetup{.settingsFile = settings, .applicationName = "Skinwright"});
        view.workFolderText = "/themes/work/";
        view.commentsText = "first\r\nsecond";
        builder.TakeBoxTexts();
    }
    ScriptedBuilderView view;
    Builder builder(view, dialogs, ProgramSetup{.settingsFile = settings, .applicationName = "Skinwright"});
    builder.Start();
    EXPECT_EQ(view.workFolderText, "/themes/work/");
    EXPECT_EQ(view.commentsText, "first\r\nsecond");
}

// Enter closes the window with what the boxes show; Esc closes it with the
// work folder and comments as they were taken last.
TEST(BuilderClosingKeysTest, EnterTakesTheBoxesAndEscDoesNot)
{
    const std::pair<ClosingKey, std::string> cases[] = {
        {ClosingKey::Enter, "/typed/"},
        {ClosingKey::Escape, "/remembered/"},
    };
    for (const auto& [key, remembered] : cases) {
        test::TempFolder folder;
        const std::filesystem::path settings = folder / "Skinwright.ini";
        WriteSetting(settings, kBuilderSection, kWorkFolderKey, "/remembered/");
        ScriptedDialogs dialogs;
        ScriptedBuilderView view;
        Builder builder(view, dialogs, ProgramSetup{.settingsFile = settings, .applicationName = "Skinwright"});
        builder.Start();
        view.workFolderText = "/typed/";
        EXPECT_TRUE(builder.ClosesOn(key));
        builder.Finish();
        EXPECT_EQ(ReadSetting(settings, kBuilderSection, kWorkFolderKey, ""), remembered);
    }
}

// "Remove" takes the selected row, and only it; the rows after it move up
// and their name offsets follow from the names left.
TEST_F(BuilderTest, RemoveTakesTheSelectedRowOnly)
{
    struct Case {
        int selected;
        std::vector<std::string> rows;
        std::string count;
    };
    const Case cases[] = {
        {-1, {"first.g", "second.g", "third.g"}, "New packet has 3 valid resources."},
        {0, {"second.g", "third.g"}, "New packet has 2 valid resources."},
        {1, {"first.g", "third.g"}, "New packet has 2 valid resources."},
        {2, {"first.g", "second.g"}, "New packet has 2 valid resources."},
    };
    for (const Case& c : cases) {
        builder.ResourceList().header.entryCount = 0;
        builder.AddPictures(Pictures({"first.gif", "second.gif", "third.gif"}));
        view.selected = c.selected;
        builder.OnRemove();
        EXPECT_EQ(view.rows, c.rows) << c.selected;
        EXPECT_EQ(view.countText, c.count) << c.selected;
    }
    // Removing the first row moves the others' names to the front of the list.
    builder.ResourceList().header.entryCount = 0;
    builder.AddPictures(Pictures({"first.gif", "second.gif", "third.gif"}));
    view.selected = 0;
    builder.OnRemove();
    EXPECT_EQ(builder.ResourceList().rows[0].idOffset, 0);
    EXPECT_EQ(builder.ResourceList().rows[1].idOffset, 9);  // after "second.g" and its line feed
    EXPECT_TRUE(dialogs.Messages().empty());
}

// "Remove All" asks first, also when the list is empty; only Yes empties it.
TEST_F(BuilderTest, RemoveAllAsksFirstAndOnlyYesEmptiesTheList)
{
    const std::pair<std::optional<MessageAnswer>, std::size_t> cases[] = {
        {std::nullopt, 0},  // the empty list: asked all the same
        {MessageAnswer::No, 2},
        {MessageAnswer::Yes, 0},
    };
    for (const auto& [answer, rowsLeft] : cases) {
        if (answer) {
            builder.AddPictures(Pictures({"a.gif", "b.gif"}));
            dialogs.QueueMessageAnswer(*answer);
        }
        const std::size_t asked = dialogs.Messages().size();
        builder.OnRemoveAll();
        ASSERT_EQ(dialogs.Messages().size(), asked + 1);
        const MessageRequest& question = dialogs.Messages().back().request;
        EXPECT_EQ(question.text, "Sure to delete all resources?");
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.caption, "Skinwright");
        EXPECT_EQ(question.owner, view.Window());
        EXPECT_EQ(view.rows.size(), rowsLeft);
        EXPECT_EQ(view.countText, "New packet has " + std::to_string(rowsLeft) + " valid resources.");
        builder.ResourceList().header.entryCount = 0;
    }
}

// Cancel at any of the Builder's dialogs changes nothing and says nothing.
TEST_F(BuilderTest, CancelAtEachDialogChangesNothing)
{
    builder.AddPictures(Pictures({"a.gif"}));
    const std::string workFolder = builder.WorkFolder();
    const std::function<void()> cancelled[] = {
        [this] { builder.OnChooseWorkFolder(); },
        [this] { builder.OnAddResource(); },
        [this] { builder.GeneratePacket(); },
    };
    for (const std::function<void()>& command : cancelled)
        command();
    EXPECT_EQ(view.rows, std::vector<std::string>{"a.g"});
    EXPECT_EQ(builder.WorkFolder(), workFolder);
    EXPECT_EQ(builder.PacketFolder(), "");
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(dialogs.FolderCalls().size(), 1u);
    EXPECT_EQ(dialogs.FileCalls().size(), 2u);
    EXPECT_EQ(test::ListFolder(folder.Path()), std::vector<std::string>{"a.gif"});
}

// A picture gone from the work folder, or a packet folder that does not
// exist, stops the packet before any file is made; the folder chosen is
// remembered all the same.
TEST_F(BuilderTest, WhatStopsAPacketIsToldAndLeavesNoFile)
{
    builder.AddPictures(Pictures({"ok.gif", "back.gif"}));
    std::filesystem::remove(folder / "back.gif");
    const std::filesystem::path out = test::EmptyFolder(folder, "out");
    struct Case {
        std::filesystem::path packet;
        std::string told;
    };
    const Case cases[] = {
        {out / "new.ezx", "Resource File: back.g does not exist or empty, cannot continue!"},
        {folder / "missing" / "new.ezx", "Cannot create new resource packet" + PathToUtf8(folder / "missing" / "new.ezx") + "!"},
    };
    for (const Case& c : cases) {
        if (c.packet.parent_path() != out)
            test::WriteFile(folder / "back.gif", test::BackPicture());
        dialogs.QueueFiles({c.packet});
        builder.GeneratePacket();
        EXPECT_EQ(dialogs.MessageTexts().back(), c.told);
        EXPECT_FALSE(std::filesystem::exists(c.packet));
        EXPECT_EQ(builder.PacketFolder(), PathToUtf8(c.packet.parent_path()) + kSeparator);
    }
    EXPECT_TRUE(test::ListFolder(out).empty());
}

}  // namespace
}  // namespace skinwright::behaviour
