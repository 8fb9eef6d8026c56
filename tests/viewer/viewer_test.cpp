#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "core/packet.h"
#include "platform/modal.h"
#include "behaviour/scripted_dialogs.h"
#include "res/templates/dialog_templates.h"
#include "tests/support/picture_packets.h"
#include "tests/window_test_files.h"
#include "viewer/viewer_dialog.h"

namespace skinwright::viewer {
namespace {

using namespace templates::viewer;
using behaviour::MessageIcon;

}  // namespace
}  // namespace skinwright::viewer

namespace skinwright::viewer {
namespace {

using test::MessageTexts;
using test::ReadAll;
using test::WriteAll;

const QString kDemoTheme = QStringLiteral(SKINWRIGHT_DEMO_THEME);

class ViewerTest : public ::testing::Test {
protected:
    ViewerTest()
    {
        QDir().mkpath(program);
        QDir().mkpath(work);
    }
    ~ViewerTest() override { platform::SetModalRunner({}); }

    ViewerDialog& Open()
    {
        viewer = std::make_unique<ViewerDialog>(
            behaviour::ProgramSetup{.settingsFile = platform::ToFileSystemPath(settings),
                                    .programFolder = platform::ToFileSystemPath(program),
                                    .applicationName = "Skinwright"},
            dialogs);
        viewer->show();
        return *viewer;
    }

    // A packet of demo pictures under the given names, in this order, each
    // picture also in the work folder under its export name where it can be
    // (the first of a name given twice).
    QString MakePacket(const QStringList& names, const QString& fileName = "iconres.ezx")
    {
        const QStringList demo = QDir(kDemoTheme).entryList({"*.gif"}, QDir::Files, QDir::Name);
        std::vector<std::string> rows;
        for (int i = 0; i < names.size(); ++i) {
            rows.push_back(names[i].toStdString());
            if (!IsSafeExportName(rows.back()) || names.indexOf(names[i]) < i)
                continue;
            const QString picture = work + "/" + names[i] + "if";
            QFile::remove(picture);
            QFile::copy(kDemoTheme + "/" + demo[i % demo.size()], picture);
        }
        const QString path = root.filePath(fileName);
        test::MakePacket(path.toStdString(), rows, [&](std::size_t i) {
            return ReadAll(kDemoTheme + "/" + demo[static_cast<int>(i) % demo.size()]).toStdString();
        });
        return path;
    }

    // The last row's record then runs one byte past the end of the file.
    static void CutLastRecordShort(const QString& packet)
    {
        QByteArray bytes = ReadAll(packet);
        bytes.chop(1);
        WriteAll(packet, bytes);
    }

    QLineEdit* PathField() const { return viewer->ControlAs<QLineEdit>(kPathField); }
    QTableView* List() const { return viewer->ControlAs<QTableView>(kResourceList); }
    int Rows() const { return List()->model()->rowCount(); }
    QString Status() const { return viewer->ControlAs<QLabel>(kStatusLine)->text(); }
    QPixmap Preview() const { return viewer->ControlAs<QLabel>(kPictureArea)->pixmap(); }
    QString Cell(int row, int column) const { return List()->model()->index(row, column).data().toString(); }
    QString Setting(std::string_view key) const { return test::ReadSetting(settings, "default", key, "<missing>"); }

    // Our own modal windows are closed at once; their titles are kept.
    const QStringList& RecordModalWindows()
    {
        platform::SetModalRunner([this](QDialog& dialog) {
            modalWindows << dialog.windowTitle();
            return int(QDialog::Accepted);
        });
        return modalWindows;
    }

    void ClickRow(int row)
    {
        const QRect cell = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // The events of a real double click: press, release, double click, release.
    void DoubleClickRow(int row)
    {
        const QRect cell = List()->visualRect(List()->model()->index(row, 0));
        QTest::mousePress(List()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(List()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(List()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QTemporaryDir root;
    QString program = root.filePath("program") + "/";
    QString work = root.filePath("work");
    QString settings = root.filePath("Skinwright.ini");
    behaviour::ScriptedDialogs dialogs;
    QStringList modalWindows;
    std::unique_ptr<ViewerDialog> viewer;
};

TEST_F(ViewerTest, FirstStartAndClosingWritesBothKeys)
{
    Open();
    EXPECT_EQ(PathField()->text(), "");
    EXPECT_EQ(Status(), "No opened resource packet.");
    EXPECT_EQ(viewer->OutputFolder(), QDir::homePath() + "/");
    EXPECT_EQ(viewer->focusWidget(), PathField());
    QTest::keyClick(viewer.get(), Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(Setting("LastResFile"), "");
    EXPECT_EQ(Setting("OutputFolder"), QDir::homePath() + "/");
}

TEST_F(ViewerTest, TypingAPathListsThePacketAndEnterClosesTheWindow)
{
    const QString packet = MakePacket({"ok.g", "back.g", "status_bar_battery_level_3.g"});
    Open();
    QTest::keyClicks(PathField(), packet);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Status(), "Loaded 3 valid resource(single click preview).");
    EXPECT_EQ(List()->model()->columnCount(), 4);
    const QStringList headings = {"Possible Resource Name", "Resource ID", "ID Offset", "Data Offset"};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(List()->model()->headerData(column, Qt::Horizontal).toString(), headings[column]);
    EXPECT_EQ(List()->columnWidth(0), 200);
    EXPECT_EQ(QStringList({Cell(0, 0), Cell(0, 1), Cell(0, 2), Cell(0, 3)}),
        QStringList({"ok.g", "0x000002EF", "0x00000000", "0x00000000"}));
    EXPECT_EQ(Cell(1, 2), "0x00000005");
    EXPECT_EQ(Cell(2, 1), "0xD7BBCA85");
    EXPECT_TRUE(dialogs.Messages().empty());

    QTest::keyClick(PathField(), Qt::Key_Return);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(viewer->result(), QDialog::Accepted);
    EXPECT_EQ(Setting("LastResFile"), packet);
}

TEST_F(ViewerTest, APathThatDoesNotLoadLeavesTheListButDisablesIt)
{
    const QString packet = MakePacket({"ok.g", "back.g"});
    Open();
    PathField()->setText(packet);
    ASSERT_EQ(Rows(), 2);

    ASSERT_EQ(mkfifo(root.filePath("fifo").toUtf8().constData(), 0600), 0);
    for (const QString& bad : {packet + "x", root.path(), root.filePath("fifo"), QStringLiteral("/dev/zero")}) {
        PathField()->setText(bad);
        EXPECT_EQ(Rows(), 2) << bad.toStdString();
        EXPECT_FALSE(List()->isEnabled());
        EXPECT_TRUE(Status().startsWith("Cannot open: ")) << Status().toStdString();
        EXPECT_FALSE(viewer->Reader().IsLoaded());
    }
    ClickRow(0);
    EXPECT_TRUE(Preview().isNull());
    viewer->OnSaveAs();
    viewer->OnSaveAll();
    EXPECT_TRUE(dialogs.FileCalls().empty());
    EXPECT_TRUE(dialogs.FolderCalls().empty());
}

TEST_F(ViewerTest, AClickAndTheArrowKeysPreviewTheRow)
{
    Open();
    PathField()->setText(MakePacket({"ok.g", "back.g"}));
    const QSize first = QImage(work + "/ok.gif").size();
    const QSize second = QImage(work + "/back.gif").size();
    ASSERT_NE(first, second);
    ClickRow(1);
    ASSERT_FALSE(Preview().isNull());
    EXPECT_EQ(Preview().size(), second);
    EXPECT_TRUE(QDir(program).isEmpty());

    QTest::keyClick(List(), Qt::Key_Up);
    EXPECT_EQ(viewer->GetSelectedRow(), 0);
    EXPECT_EQ(Preview().size(), first);

    // Opening another packet takes the last picture away with its rows.
    PathField()->setText(MakePacket({"a.g"}, "other.ezx"));
    EXPECT_TRUE(Preview().isNull());
}

// A click in the empty area leaves no row selected and the picture as it
// was; the next click on a row previews it.
TEST_F(ViewerTest, AClickThatLeavesNoRowSelectedPreviewsNothing)
{
    Open();
    PathField()->setText(MakePacket({"ok.g", "back.g"}));
    const QSize first = QImage(work + "/ok.gif").size();
    const QSize second = QImage(work + "/back.gif").size();
    ClickRow(1);
    ASSERT_EQ(Preview().size(), second);

    const QPoint belowTheRows(10, List()->viewport()->height() - 5);
    ASSERT_FALSE(List()->indexAt(belowTheRows).isValid());
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, belowTheRows);
    EXPECT_EQ(viewer->GetSelectedRow(), -1);
    EXPECT_EQ(Preview().size(), second);

    ClickRow(0);
    EXPECT_EQ(Preview().size(), first);
}

TEST_F(ViewerTest, ARowThatIsNoPictureEmptiesThePictureArea)
{
    Open();
    const QString packet = MakePacket({"ok.g", "junk.g"});
    QByteArray bytes = ReadAll(packet);
    bytes.replace(bytes.lastIndexOf("GIF8"), 4, "JUNK");
    WriteAll(packet, bytes);
    PathField()->setText(packet);
    ClickRow(0);
    EXPECT_FALSE(Preview().isNull());
    ClickRow(1);
    EXPECT_TRUE(Preview().isNull());
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ViewerTest, ADoubleClickSavesTheRowUnderAProposedName)
{
    Open();
    PathField()->setText(MakePacket({"ok.g", "back.g"}));
    const QString target = root.filePath("saved.gif");
    dialogs.QueueFiles(test::Paths({target}));
    DoubleClickRow(1);
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    const auto& request = dialogs.FileCalls()[0].request;
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.defaultExtension, "gif");
    EXPECT_EQ(QString::fromStdString(request.initialName), program + "back.gif");
    EXPECT_EQ(request.filter, "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(ReadAll(target), ReadAll(work + "/back.gif"));

    const QString unwritable = root.filePath("missing/saved.gif");
    dialogs.QueueFiles(test::Paths({unwritable}));
    viewer->OnSaveAs();
    EXPECT_EQ(MessageTexts(dialogs), QStringList({unwritable + " Failed to save"}));
}

TEST_F(ViewerTest, PickingAPacketLoadsItEvenWhenTheFieldHoldsItAlready)
{
    Open();
    const QString packet = MakePacket({"ok.g"});
    dialogs.QueueFiles(test::Paths({packet}));
    QTest::mouseClick(viewer->ControlAs<QPushButton>(kPickButton), Qt::LeftButton);
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    const auto& request = dialogs.FileCalls()[0].request;
    EXPECT_FALSE(request.save);
    EXPECT_EQ(QString::fromStdString(request.initialName), "*.ezx");
    EXPECT_EQ(request.defaultExtension, "ezx");
    EXPECT_EQ(request.filter, "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||");
    EXPECT_EQ(Rows(), 1);

    MakePacket({"ok.g", "back.g"});
    dialogs.QueueFiles(test::Paths({packet}));
    viewer->OnPickPacket();
    EXPECT_EQ(Rows(), 2);

    viewer->OnPickPacket();  // cancelled
    EXPECT_EQ(PathField()->text(), packet);
}

TEST_F(ViewerTest, HelpButtonAndF1OpenTheAboutWindow)
{
    const QStringList& opened = RecordModalWindows();
    Open();
    QTest::mouseClick(viewer->ControlAs<QPushButton>(kHelpButton), Qt::LeftButton);
    QTest::keyClick(viewer.get(), Qt::Key_F1);
    EXPECT_EQ(opened, QStringList({"Motorola Skin Skinwright Editor", "Motorola Skin Skinwright Editor"}));
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(ViewerTest, TheContextMenuHoldsTheAboutCommand)
{
    const QStringList& opened = RecordModalWindows();
    Open();
    EXPECT_EQ(viewer->contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_EQ(viewer->actions().size(), 1);
    EXPECT_EQ(viewer->actions()[0]->text(), "About Skinwright(&A) and Help ...");
    viewer->actions()[0]->trigger();
    EXPECT_EQ(opened, QStringList({"Motorola Skin Skinwright Editor"}));
}

TEST_F(ViewerTest, EnterOnAFocusedButtonClicksIt)
{
    const QStringList& opened = RecordModalWindows();
    Open();
    auto* help = viewer->ControlAs<QPushButton>(kHelpButton);
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(viewer->isVisible());
}

// The Viewer is a top-level window of its own (a taskbar entry); the windows
// it opens are dialogs it owns.
TEST_F(ViewerTest, TheViewerIsANormalWindowThatOwnsTheAboutWindow)
{
    QList<std::pair<Qt::WindowType, QWidget*>> opened;
    platform::SetModalRunner([&opened](QDialog& dialog) {
        opened.append({dialog.windowType(), dialog.parentWidget()});
        return int(QDialog::Accepted);
    });
    Open();
    EXPECT_EQ(viewer->windowType(), Qt::Window);
    EXPECT_TRUE(viewer->windowFlags() & Qt::WindowMinimizeButtonHint);
    viewer->OnHelp();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].first, Qt::Dialog);
    EXPECT_EQ(opened[0].second, viewer.get());
}

TEST_F(ViewerTest, TheWindowFollowsItsTemplate)
{
    Open();
    EXPECT_EQ(viewer->windowTitle(), "Skinwright (Moto Skin)");
    const auto units = viewer->BaseUnits();
    const QRect list = platform::MapDialogRect(QRect(7, 27, 314, 179), units);
    EXPECT_EQ(List()->geometry(), list);
    EXPECT_EQ(viewer->size(), platform::MapDialogRect(QRect(0, 0, 494, 231), units).size());
    EXPECT_TRUE(List()->showGrid());
    EXPECT_TRUE(List()->horizontalHeader()->sectionsMovable());
    EXPECT_EQ(List()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(List()->selectionMode(), QAbstractItemView::SingleSelection);

    PathField()->setText(MakePacket({"ok.g", "back.g", "battery_full.g", "signal_3.g"}));
    ClickRow(0);
    if (const QByteArray shot = qgetenv("SKINWRIGHT_SCREENSHOT"); !shot.isEmpty())
        viewer->grab().save(QString::fromLocal8Bit(shot));
}

}  // namespace
}  // namespace skinwright::viewer

namespace skinwright::viewer {
namespace {

class ViewerStartAndDragTest : public ViewerTest {};

TEST_F(ViewerStartAndDragTest, TheFirstFileDroppedAnywhereOnTheWindowOpens)
{
    const QString first = MakePacket({"ok.g", "back.g"}, "first.ezx");
    const QString second = MakePacket({"ok.g"}, "second.ezx");
    Open();
    test::DropFiles(*PathField(), {first, second});
    EXPECT_EQ(PathField()->text(), first);
    EXPECT_EQ(Rows(), 2);

    test::DropFiles(*List()->viewport(), {second});
    EXPECT_EQ(PathField()->text(), second);
    EXPECT_EQ(Rows(), 1);
}

// Which files the window takes is the behaviour's; here, that a refused
// drag shows no drop cursor and its drop changes nothing.
TEST_F(ViewerStartAndDragTest, OnlyAFileThatIsAPacketIsTakenAtTheDrag)
{
    const QString packet = MakePacket({"ok.g", "back.g"});
    const QString other = MakePacket({"ok.g"}, "other.ezx");
    for (const auto& [file, taken] : {std::pair{work + "/ok.gif", false}, std::pair{other, true}}) {
        Open();
        PathField()->setText(packet);
        QMimeData carried;
        carried.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &carried, Qt::LeftButton, {});
        QCoreApplication::sendEvent(List()->viewport(), &enter);
        EXPECT_EQ(enter.isAccepted(), taken) << file.toStdString();

        test::DropFiles(*List()->viewport(), {file});
        EXPECT_EQ(PathField()->text(), taken ? file : packet);
        EXPECT_EQ(Rows(), taken ? 1 : 2);
        viewer->reject();
        EXPECT_EQ(Setting("LastResFile"), taken ? file : packet);
    }
}

TEST_F(ViewerStartAndDragTest, ADraggedRowIsItsPictureUnderItsExportName)
{
    Open();
    PathField()->setText(MakePacket({"ok.g", "back.g"}));
    List()->selectRow(1);
    const std::unique_ptr<QMimeData> dragged = viewer->MakeDragData();
    ASSERT_TRUE(dragged);
    ASSERT_EQ(dragged->urls().size(), 1);
    const QString file = dragged->urls().front().toLocalFile();
    EXPECT_EQ(QFileInfo(file).fileName(), "back.gif");
    EXPECT_EQ(ReadAll(file), ReadAll(work + "/back.gif"));
    EXPECT_FALSE(file.startsWith(program));
}

TEST_F(ViewerStartAndDragTest, ARefusedNameOrACutRecordGivesNoDrag)
{
    Open();
    const QString packet = MakePacket({"sub/evil.g", "keep.g"});
    CutLastRecordShort(packet);
    PathField()->setText(packet);
    for (const int row : {0, 1}) {
        List()->selectRow(row);
        EXPECT_FALSE(viewer->MakeDragData()) << row;
    }
    List()->clearSelection();
    EXPECT_FALSE(viewer->MakeDragData());
}

}  // namespace
}  // namespace skinwright::viewer
