// The Viewer's rules through a scripted view and scripted dialogs: what the
// user would see in its controls and messages, and what lands in files.
#include <algorithm>
#include <functional>
#include <utility>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include "behaviour/scripted_dialogs.h"
#include "behaviour/settings_file.h"
#include "behaviour/translation.h"
#include "behaviour/viewer.h"
#include "core/file_names.h"
#include "core/packet.h"
#include "core/resource_list.h"
#include "tests/support/files.h"
#include "tests/support/picture_packets.h"
#include "tests/support/gif_pictures.h"
#include "tests/support/pictures.h"

namespace skinwright::behaviour {
namespace {

// What the Viewer puts between a folder it chose and a file's name.
const std::string kSeparator(1, static_cast<char>(std::filesystem::path::preferred_separator));

// The controls as a user would read them.
class ScriptedViewerView : public ViewerView {
public:
    WindowHandle Window() override { return this; }
    std::string PathText() const override { return pathText; }
    void SetPathText(const std::string& text) override
    {
        pathText = text;
        if (viewer)
            viewer->OnPathChanged(text);
    }
    void BeginRows() override { filling.clear(); }
    void AddRow(const ResourceEntry& row) override { filling.emplace_back(row.Name()); }
    void EndRows() override { rows = filling; }
    void SetRowsEnabled(bool enabled) override { rowsEnabled = enabled; }
    int SelectedRow() const override { return selected; }
    void SetStatus(const std::string& text) override { status = text; }
    void ShowPicture(const std::filesystem::path& file, const std::string& description) override
    {
        pictureDescription = description;
        pictures.push_back(test::ReadFile(file));
        picture = pictures.back();
    }
    void ClearPicture() override { picture.clear(); }
    void Repaint() override {}
    void ShowAbout() override
    {
        ++aboutShown;
        if (whileAboutOpen)
            std::exchange(whileAboutOpen, {})();
    }
    void RunBuilder(const ResourceTable* templateRows) override
    {
        builders.push_back(templateRows ? templateRows->Count() : -1);
    }

    Viewer* viewer = nullptr;
    std::string pathText;
    std::vector<std::string> filling;
    std::vector<std::string> rows;
    bool rowsEnabled = true;
    int selected = -1;
    std::string status = "No opened resource packet.";
    std::vector<std::string> pictures;  // every picture shown, in order
    std::string picture;                // what the picture area shows; empty when empty
    std::string pictureDescription;     // what a screen reader says of the picture area
    int aboutShown = 0;
    std::function<void()> whileAboutOpen;  // what the user does in the About window
    std::vector<int> builders;  // template row count, -1 for none
};

class ViewerTest : public ::testing::Test {
protected:
    Viewer& Open(bool portable = true, const std::filesystem::path& startPacket = {})
    {
        viewer.reset();
        viewer = std::make_unique<Viewer>(view, dialogs,
                                          ProgramSetup{settings, program, "Skinwright", startPacket, portable});
        view.viewer = viewer.get();
        viewer->Start();
        return *viewer;
    }

    // A packet of pictures under the given names, in this order; picture i
    // is Picture(40 + i, i).
    std::string MakePacket(const std::vector<std::string>& names, const std::string& fileName = "iconres.ezx")
    {
        const std::filesystem::path path = folder / fileName;
        test::MakePacket(path, names, [](std::size_t i) { return test::Picture(40 + i, static_cast<unsigned>(i)); });
        return path.string();
    }

    test::TempFolder folder;
    std::string program = (folder / "program").string() + "/";
    std::filesystem::path settings = folder / "Skinwright.ini";
    ScriptedViewerView view;
    ScriptedDialogs dialogs;
    std::unique_ptr<Viewer> viewer;
};

// The core tells what a load found; the Viewer says it.
TEST_F(ViewerTest, ALoadFillsListAndStatusAndADamagedPacketWarnsOnce)
{
    Open();
    const std::string packet = MakePacket({"ok.g", "back.g"});
    view.SetPathText(packet);
    EXPECT_EQ(view.rows, (std::vector<std::string>{"ok.g", "back.g"}));
    EXPECT_EQ(view.status, "Loaded 2 valid resource(single click preview).");
    EXPECT_TRUE(dialogs.Messages().empty());

    std::string bytes = test::ReadFile(packet);
    bytes.replace(bytes.find("\nback.g\n"), 8, "\nbaCk.g\n");  // no longer its id's name
    test::WriteFile(folder / "damaged.ezx", bytes);
    view.SetPathText((folder / "damaged.ezx").string());
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{
        "Warning!\r\n\r\nThis resource packet may be damaged, continue to use may cause error!"});
    EXPECT_EQ(view.rows, (std::vector<std::string>{"ok.g", "!!!0x000008DF.g"}));
    EXPECT_EQ(view.status, "Loaded 2 resources, 1 with damaged names.");
}

// An installed program's folder cannot be written: "Save As ..." proposes
// the folder "Save All ..." remembers instead, else the home folder.
TEST_F(ViewerTest, SaveAsProposesAFolderThatCanBeWritten)
{
    const std::string out = (folder / "out").string() + "/";
    std::filesystem::create_directories(out);
#ifdef _WIN32
    const std::string home = "C:\\";
#else
    const std::string home = std::string(std::getenv("HOME")) + "/";
#endif
    struct Case {
        bool portable;
        std::string rememberedOutput;
        std::string proposedFolder;
    };
    const Case cases[] = {
        {true, out, program},
        {false, out, out},
        {false, "", home},
        {false, (folder / "deleted").string() + "/", home},
    };
    const std::string packet = MakePacket({"ok.g", "back.g"});
    for (const Case& c : cases) {
        viewer.reset();
        WriteSetting(settings, kViewerSection, kOutputFolderKey, c.rememberedOutput);
        Open(c.portable, packet);
        view.selected = 1;
        viewer->OnSaveAs();
        ASSERT_FALSE(dialogs.FileCalls().empty());
        EXPECT_EQ(dialogs.FileCalls().back().request.initialName, c.proposedFolder + "back.gif");
    }
}

TEST_F(ViewerTest, SideFilesThatCannotBeWrittenAreReportedAndTheEndSaysSo)
{
    struct Case {
        std::vector<std::string> blocked;  // folders in the way of these files
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {{"headerfile"}, {"/headerfile Failed to save", "Every picture was exported, but headerfile could not be saved."}},
        {{"headerfile", "hashtable"},
         {"/headerfile Failed to save", "/hashtable Failed to save",
          "Every picture was exported, but headerfile and hashtable could not be saved."}},
        {{"hashtable", "p.gif"}, {"/hashtable Failed to save", "/p.gif Failed to save", "1 of 1 Failed to save"}},
    };
    Open();
    view.SetPathText(MakePacket({"p.g"}));
    int round = 0;
    for (const Case& c : cases) {
        const std::string out = (folder / ("out" + std::to_string(++round))).string();
        for (const std::string& name : c.blocked)
            std::filesystem::create_directories(out + "/" + name);
        dialogs.QueueFolder(out + "/");
        const std::size_t before = dialogs.Messages().size();
        viewer->OnSaveAll();
        std::vector<std::string> expected;
        for (const std::string& message : c.messages)
            expected.push_back(message.front() == '/' ? out + message : message);
        const std::vector<std::string> all = dialogs.MessageTexts();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), expected);
    }
}

TEST_F(ViewerTest, SaveAllNeverWritesOutsideTheChosenFolder)
{
    Open();
    view.SetPathText(MakePacket({"ok.g", "..", "sub/evil.g"}));
    const std::string out = (folder / "out").string();
    std::filesystem::create_directories(out + "/sub");
    dialogs.QueueFolder(out);
    viewer->OnSaveAll();
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{out + kSeparator + "..if Failed to save",
                                                    out + kSeparator + "sub/evil.gif Failed to save",
                                                    "2 of 3 Failed to save"}));
    EXPECT_FALSE(std::filesystem::exists(out + "/sub/evil.gif"));
    EXPECT_EQ(test::ReadFile(out + "/ok.gif"), test::Picture(40, 0));
}

// A picture dragged from another Viewer's list, say, must not replace the
// open packet: only a file that begins as a packet is taken.
TEST_F(ViewerTest, OnlyAFileThatIsAPacketIsTakenAtTheDrag)
{
    const std::string packet = MakePacket({"ok.g", "back.g"});
    const std::string other = MakePacket({"ok.g"}, "other.ezx");
    test::WriteFile(folder / "short.ezx", "motoski");
    std::filesystem::create_directories(folder / "folder.ezx");
    test::WriteFile(folder / "picture.gif", test::Picture(40, 0));
    std::vector<std::string> refused = {(folder / "picture.gif").string(), (folder / "short.ezx").string(),
                                        (folder / "folder.ezx").string(), (folder / "gone.ezx").string()};
#ifndef _WIN32
    ASSERT_EQ(mkfifo((folder / "fifo.ezx").c_str(), 0600), 0);
    refused.push_back((folder / "fifo.ezx").string());
#endif
    Open();
    view.SetPathText(packet);
    for (const std::string& file : refused) {
        EXPECT_FALSE(viewer->TakesDrop({file})) << file;
        viewer->OnDrop({file});
        EXPECT_EQ(view.pathText, packet);
        EXPECT_EQ(view.rows.size(), 2u);
    }
    EXPECT_FALSE(viewer->TakesDrop({}));
    EXPECT_FALSE(viewer->TakesDrop({folder / "picture.gif", other}));
    EXPECT_TRUE(viewer->TakesDrop({other, folder / "picture.gif"}));
    viewer->OnDrop({other});
    EXPECT_EQ(view.pathText, other);
    EXPECT_EQ(view.rows, std::vector<std::string>{"ok.g"});
    viewer->Finish();
    EXPECT_EQ(ReadSetting(settings, kViewerSection, kPacketPathKey, ""), other);
}

TEST_F(ViewerTest, AClickPreviewsTheSelectedRowAndLeavesNoFileBehind)
{
    Open();
    view.SetPathText(MakePacket({"ok.g", "back.g"}));
    viewer->OnListClick();  // no row selected
    view.selected = 1;
    viewer->OnListClick();
    EXPECT_EQ(view.pictures, std::vector<std::string>{test::Picture(41, 1)});
    view.SetPathText((folder / "gone.ezx").string());  // the old rows stay on screen, closed
    viewer->OnListClick();
    viewer->OnSaveAs();
    EXPECT_EQ(view.pictures.size(), 1u);
    EXPECT_TRUE(dialogs.FileCalls().empty());
}

TEST_F(ViewerTest, TheTemplateIsOfferedOnlyWhileAPacketIsLoaded)
{
    Open();
    viewer->OnBuildNewPacket();
    view.SetPathText(MakePacket({"ok.g", "back.g"}));
    dialogs.QueueMessageAnswer(MessageAnswer::Yes);
    viewer->OnBuildNewPacket();
    dialogs.QueueMessageAnswer(MessageAnswer::No);
    viewer->OnBuildNewPacket();
    EXPECT_EQ(view.builders, (std::vector<int>{-1, 2, -1}));
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>(2, "Use the opened resource packet as template?")));
    EXPECT_EQ(dialogs.Messages().front().request.buttons, MessageButtons::YesNo);
}

// F1 reaches the Viewer from every window it owns: from inside another
// command's dialog, or the About window itself, nothing more starts.
TEST_F(ViewerTest, NoCommandStartsWhileAnotherRuns)
{
    Open();
    view.SetPathText(MakePacket({"ok.g"}));
    view.selected = 0;
    const std::function<void()> commands[] = {
        [this] { viewer->OnHelp(); },
        [this] { viewer->OnSaveAs(); },
        [this] { viewer->OnSaveAll(); },
        [this] { viewer->OnPickPacket(); },
        [this] { viewer->OnBuildNewPacket(); },
        [this] { viewer->OnListClick(); },
    };
    const auto tryEveryCommand = [&] {
        for (const std::function<void()>& command : commands)
            command();
        EXPECT_FALSE(viewer->TakesDrop({view.pathText}));
    };
    dialogs.WhileOpen(tryEveryCommand);
    view.whileAboutOpen = tryEveryCommand;

    viewer->OnHelp();                       // the About window
    viewer->OnSaveAs();                     // the save dialog
    viewer->OnSaveAll();                    // the folder browser
    viewer->OnBuildNewPacket();             // the template question
    EXPECT_EQ(view.aboutShown, 1);
    EXPECT_EQ(dialogs.FileCalls().size(), 1u);
    EXPECT_EQ(dialogs.FolderCalls().size(), 1u);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Use the opened resource packet as template?"});
    EXPECT_EQ(view.builders.size(), 1u);
    EXPECT_TRUE(view.pictures.empty());

    dialogs.WhileOpen({});
    viewer->OnHelp();
    EXPECT_EQ(view.aboutShown, 2);
}

// A row whose picture cannot be taken out of the packet, or another packet,
// empties the picture area: no row seems to hold another's picture.
TEST_F(ViewerTest, APictureThatCannotBeShownLeavesThePictureAreaEmpty)
{
    const std::string packet = MakePacket({"ok.g", "back.g"});
    const std::string other = MakePacket({"ok.g"}, "other.ezx");
    std::string bytes = test::ReadFile(packet);
    test::WriteFile(folder / "cut.ezx", bytes.substr(0, bytes.size() - 1));
    // The last record's length, just before its picture, made 0.
    bytes.replace(bytes.size() - test::Picture(41, 1).size() - 4, 4, std::string(4, '\0'));
    test::WriteFile(folder / "empty.ezx", bytes);

    Open();
    for (const std::string& damaged : {(folder / "cut.ezx").string(), (folder / "empty.ezx").string()}) {
        view.SetPathText(damaged);
        view.selected = 0;
        viewer->OnListClick();
        EXPECT_EQ(view.picture, test::Picture(40, 0));
        view.selected = 1;
        viewer->OnListClick();
        EXPECT_EQ(view.picture, "") << damaged;
    }
    view.SetPathText(other);
    view.selected = 0;
    viewer->OnListClick();
    view.SetPathText(packet);
    EXPECT_EQ(view.picture, "");
}

// Each keystroke in the path field loads what it holds: a packet that does
// not open is told in the status line, not in a message box, and the rows
// left from the last one are shown disabled, with no picture.
TEST_F(ViewerTest, APacketThatCannotBeOpenedSaysWhyAndDisablesTheOldRows)
{
    const std::string packet = MakePacket({"ok.g", "back.g"});
    test::WriteFile(folder / "short.ezx", "motoskin");
    std::filesystem::create_directories(folder / "folder.ezx");
    const std::pair<std::string, std::string> cases[] = {
        {(folder / "gone.ezx").string(), "Cannot open: no such file."},
        {(folder / "short.ezx").string(), "Cannot open: shorter than 24 bytes."},
        {(folder / "folder.ezx").string(), "Cannot open: not a regular file."},
    };
    Open();
    for (const auto& [path, status] : cases) {
        view.SetPathText(packet);
        view.selected = 1;
        viewer->OnListClick();
        ASSERT_TRUE(view.rowsEnabled);
        view.SetPathText(path);
        EXPECT_EQ(view.status, status);
        EXPECT_EQ(view.rows, (std::vector<std::string>{"ok.g", "back.g"}));
        EXPECT_FALSE(view.rowsEnabled);
        EXPECT_EQ(view.picture, "");
        view.SetPathText("");  // an empty field opens nothing and tells nothing new
        EXPECT_EQ(view.status, status);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

// A keyboard user has no other way to see a picture than moving the
// selection; a click shows its row again, a move only another row.
TEST_F(ViewerTest, ASelectionMovedByTheKeyboardIsPreviewed)
{
    Open();
    view.SetPathText(MakePacket({"ok.g", "back.g"}));
    view.selected = 1;
    viewer->OnSelectionMoved();
    EXPECT_EQ(view.picture, test::Picture(41, 1));
    viewer->OnSelectionMoved();
    view.selected = 0;
    viewer->OnSelectionMoved();
    EXPECT_EQ(view.picture, test::Picture(40, 0));
    viewer->OnListClick();
    EXPECT_EQ(view.pictures.size(), 3u);
}

// What the user is asked for: a packet, and where to save a picture, with a
// question before a file is replaced; a name that would leave its folder is
// not proposed, the folder is.
TEST_F(ViewerTest, TheFileDialogsAskForAPacketAndWhereToSaveAPicture)
{
    Open();
    viewer->OnPickPacket();
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    const FileRequest& pick = dialogs.FileCalls()[0].request;
    EXPECT_FALSE(pick.save);
    EXPECT_EQ(pick.owner, view.Window());
    EXPECT_EQ(pick.initialName, "*.ezx");
    EXPECT_EQ(pick.defaultExtension, "ezx");
    EXPECT_EQ(pick.filter, "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||");

    view.SetPathText(MakePacket({"ok.g", "sub/evil.g"}));
    const std::pair<int, std::string> cases[] = {{0, program + "ok.gif"}, {1, ""}};
    for (const auto& [row, proposed] : cases) {
        view.selected = row;
        viewer->OnSaveAs();
        const FileRequest& save = dialogs.FileCalls().back().request;
        EXPECT_TRUE(save.save);
        EXPECT_TRUE(save.confirmOverwrite);
        EXPECT_EQ(save.owner, view.Window());
        EXPECT_EQ(save.defaultExtension, "gif");
        EXPECT_EQ(save.filter, "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||");
        EXPECT_EQ(save.initialName, proposed);
        EXPECT_EQ(save.initialFolder, proposed.empty() ? std::filesystem::path(program) : std::filesystem::path());
    }
}

// A Viewer destroyed without being closed first still writes what it
// remembers, and takes its private folder, dragged pictures and all, along.
TEST_F(ViewerTest, WhenTheViewerGoesItsSettingsAreWrittenAndItsPrivateFolderIsGone)
{
    Open();
    const std::string packet = MakePacket({"ok.g"});
    view.SetPathText(packet);
    view.selected = 0;
    const std::optional<std::filesystem::path> dragged = viewer->ExportForDrag();
    ASSERT_TRUE(dragged);
    const std::filesystem::path privateFolder = dragged->parent_path().parent_path();
    ASSERT_TRUE(std::filesystem::exists(*dragged));
    viewer.reset();
    EXPECT_FALSE(std::filesystem::exists(privateFolder));
    EXPECT_EQ(ReadSetting(settings, kViewerSection, kPacketPathKey, ""), packet);
}

// "Save All ..." writes the side files and every row into the chosen
// folder, says so, and the folder is remembered.
TEST_F(ViewerTest, SaveAllWritesTheSideFilesAndEveryRowAndRemembersTheFolder)
{
    Open();
    view.SetPathText(MakePacket({"a.g", "b.g", "c.g"}));
    const std::filesystem::path out = test::EmptyFolder(folder, "out");
    dialogs.QueueFolder(out);
    viewer->OnSaveAll();
    ASSERT_EQ(dialogs.FolderCalls().size(), 1u);
    EXPECT_EQ(dialogs.FolderCalls()[0].request.title, "Please select folder:");
    EXPECT_EQ(dialogs.FolderCalls()[0].request.owner, view.Window());
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Successfully exported!"});
    EXPECT_EQ(test::ListFolder(out), (std::vector<std::string>{"a.gif", "b.gif", "c.gif", "hashtable", "headerfile"}));
    EXPECT_EQ(test::ReadFile(out / "b.gif"), test::Picture(41, 1));
    const std::string hashtable = test::ReadFile(out / "hashtable");
    EXPECT_EQ(std::count(hashtable.begin(), hashtable.end(), '\n'), 3);
    viewer.reset();
    EXPECT_EQ(ReadSetting(settings, kViewerSection, kOutputFolderKey, ""), PathToUtf8(out) + kSeparator);
}

// A row whose record runs past the end of the packet is not saved, and the
// file it would have replaced keeps its bytes; the export goes on.
TEST_F(ViewerTest, AFailedSaveNeverEmptiesAFileThatWasThere)
{
    Open();
    const std::string packet = MakePacket({"keep.g", "keep.g"});
    const std::string bytes = test::ReadFile(packet);
    test::WriteFile(packet, bytes.substr(0, bytes.size() - 1));
    view.SetPathText(packet);
    const std::filesystem::path out = test::EmptyFolder(folder, "out");
    test::WriteFile(out / "mine.gif", "precious");
    view.selected = 1;
    dialogs.QueueFiles({out / "mine.gif"});
    viewer->OnSaveAs();
    dialogs.QueueFolder(out);
    viewer->OnSaveAll();
    EXPECT_EQ(test::ReadFile(out / "mine.gif"), "precious");
    EXPECT_EQ(test::ReadFile(out / "keep.gif"), test::Picture(40, 0));
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{PathToUtf8(out / "mine.gif") + " Failed to save",
                                                                PathToUtf8(out / "keep.gif") + " Failed to save",
                                                                "1 of 2 Failed to save"}));
    EXPECT_EQ(test::ListFolder(out), (std::vector<std::string>{"hashtable", "headerfile", "keep.gif", "mine.gif"}));
}

#ifndef _WIN32
// A FIFO in the way of a picture is refused, not opened: the export does not
// wait for a reader that never comes.
TEST_F(ViewerTest, SaveAllIntoAFolderHoldingAFifoDoesNotBlock)
{
    Open();
    view.SetPathText(MakePacket({"ok.g"}));
    const std::filesystem::path out = test::EmptyFolder(folder, "out");
    ASSERT_EQ(mkfifo((out / "ok.gif").c_str(), 0600), 0);
    dialogs.QueueFolder(out);
    viewer->OnSaveAll();
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{PathToUtf8(out / "ok.gif") + " Failed to save",
                                                                "1 of 1 Failed to save"}));
}
#endif

// A damaged packet remembered from the last time warns once as the Viewer
// starts, in a box of the program's own caption, and lists its rows under
// placeholder names.
TEST_F(ViewerTest, ARememberedDamagedPacketWarnsOnceAtStart)
{
    const std::string packet = MakePacket({"ok.g", "back.g"});
    std::string bytes = test::ReadFile(packet);
    bytes.replace(bytes.find("ok.g\nback.g\n"), 12, "OK.g\nBACK.g\n");
    test::WriteFile(packet, bytes);
    WriteSetting(settings, kViewerSection, kPacketPathKey, packet);
    Open();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const MessageRequest& warning = dialogs.Messages()[0].request;
    EXPECT_EQ(warning.text, "Warning!\r\n\r\nThis resource packet may be damaged, continue to use may cause error!");
    EXPECT_EQ(warning.caption, "Skinwright");
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    EXPECT_EQ(view.rows, (std::vector<std::string>{"!!!0x000002EF.g", "!!!0x000008DF.g"}));
    EXPECT_EQ(view.status, "Loaded 2 resources, 2 with damaged names.");
}

// An empty path field keeps the packet open, but nothing is remembered.
TEST_F(ViewerTest, ClearingThePathKeepsThePacketButForgetsIt)
{
    Open();
    view.SetPathText(MakePacket({"ok.g"}));
    view.SetPathText("");
    EXPECT_TRUE(viewer->Reader().IsLoaded());
    EXPECT_EQ(view.rows, std::vector<std::string>{"ok.g"});
    EXPECT_TRUE(view.rowsEnabled);
    viewer.reset();
    EXPECT_EQ(ReadSetting(settings, kViewerSection, kPacketPathKey, "<missing>"), "");
}

// The packet named on the command line opens instead of the remembered one,
// and is remembered in its place.
TEST_F(ViewerTest, ThePacketGivenAtStartOpensInsteadOfTheRememberedOne)
{
    WriteSetting(settings, kViewerSection, kPacketPathKey, MakePacket({"ok.g"}, "remembered.ezx"));
    const std::string given = MakePacket({"ok.g", "back.g"}, "given.ezx");
    Open(true, given);
    EXPECT_EQ(view.pathText, given);
    EXPECT_EQ(view.rows.size(), 2u);
    viewer.reset();
    EXPECT_EQ(ReadSetting(settings, kViewerSection, kPacketPathKey, ""), given);
}

}  // namespace
}  // namespace skinwright::behaviour

namespace skinwright::behaviour {
namespace {

// What a screen reader says of the picture area: the previewed row's name
// and, when the picture tells it, its size.
TEST_F(ViewerTest, ThePreviewedPictureIsDescribedByItsNameAndSize)
{
    Open();
    const std::filesystem::path packet = folder / "sized.ezx";
    test::MakePacket(packet, {"battery.g", "noise.g"}, [](std::size_t i) {
        return i == 0 ? test::GifPicture(176, 22, 1, false) : std::string("not a picture");
    });
    view.SetPathText(packet.string());
    const struct {
        int row;
        std::string description;
    } cases[] = {{0, "Picture battery.g, 176 by 22 pixels"}, {1, "Picture noise.g"}};
    for (const auto& row : cases) {
        view.selected = row.row;
        viewer->OnListClick();
        EXPECT_EQ(view.pictureDescription, row.description);
    }
}

// Once a language is chosen, what the Viewer tells comes in it.
TEST_F(ViewerTest, TheStatusLineSpeaksTheLanguageInUse)
{
    Open();
    ASSERT_TRUE(UseLanguage("ru"));
    view.SetPathText(MakePacket({"ok.g", "back.g"}));
    view.SetPathText((folder / "gone.ezx").string());
    const std::string missing = view.status;
    UseLanguage("");
    EXPECT_EQ(missing, "Не удалось открыть: файл не найден.");
}

}  // namespace
}  // namespace skinwright::behaviour
