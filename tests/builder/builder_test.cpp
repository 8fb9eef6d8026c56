#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "builder/builder_dialog.h"
#include "core/packet.h"
#include "platform/multi_line_edit.h"
#include "platform/qt_system_dialogs.h"
#include "behaviour/scripted_dialogs.h"
#include "res/templates/dialog_templates.h"
#include "shell/image_text_button.h"
#include "tests/support/packet_bytes.h"
#include "tests/support/pictures.h"
#include "tests/window_test_files.h"

namespace skinwright::builder {
namespace {

using namespace templates::builder;
using test::MessageTexts;
using test::ReadAll;
using test::WriteAll;
using behaviour::MessageAnswer;

class BuilderTest : public ::testing::Test {
protected:
    BuilderTest() { QDir().mkpath(work); }

    BuilderDialog& Open()
    {
        builder = std::make_unique<BuilderDialog>(
            behaviour::ProgramSetup{.settingsFile = platform::ToFileSystemPath(settings), .applicationName = "Skinwright"}, dialogs);
        builder->show();
        return *builder;
    }

    // Files that exist in the work folder, as the picker would report them.
    QStringList Pictures(const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names) {
            paths << work + "/" + name;
            WriteAll(paths.back(), test::Picture(40, 'p'));
        }
        return paths;
    }

    void Add(const QStringList& names)
    {
        dialogs.QueueFiles(test::Paths(Pictures(names)));
        builder->OnAddResource();
    }

    QTableView* List() const { return builder->ControlAs<QTableView>(kResourceList); }
    int Rows() const { return List()->model()->rowCount(); }
    QString Cell(int row, int column) const { return List()->model()->index(row, column).data().toString(); }
    QString CountText() const { return builder->ControlAs<QLabel>(kCountText)->text(); }
    QLineEdit* WorkFolderBox() const { return builder->ControlAs<QLineEdit>(kWorkFolderBox); }
    platform::MultiLineEdit* CommentsBox() const { return builder->ControlAs<platform::MultiLineEdit>(kCommentsBox); }
    QPushButton* Button(int id) const { return builder->ControlAs<QPushButton>(id); }
    QString Setting(std::string_view key) const { return test::ReadSetting(settings, "build", key, "<missing>"); }
    void Select(int row) { List()->selectRow(row); }

    QTemporaryDir root;
    QString work = root.filePath("work");
    QString settings = root.filePath("Skinwright.ini");
    behaviour::ScriptedDialogs dialogs;
    std::unique_ptr<BuilderDialog> builder;
};

TEST_F(BuilderTest, TheWindowFollowsItsTemplate)
{
    Open();
    EXPECT_EQ(builder->windowTitle(), "Make New iconres.ezx Packet");
    EXPECT_TRUE(builder->windowFlags() & Qt::WindowMinimizeButtonHint);
    const auto units = builder->BaseUnits();
    EXPECT_EQ(builder->size(), platform::MapDialogRect(QRect(0, 0, 453, 205), units).size());
    EXPECT_EQ(List()->geometry(), platform::MapDialogRect(QRect(7, 40, 314, 159), units));
    EXPECT_EQ(List()->model()->headerData(0, Qt::Horizontal).toString(), "Resource Name");
    EXPECT_EQ(List()->columnWidth(0), 200);
    EXPECT_EQ(CountText(), "New packet has 0 valid resources.");
    EXPECT_EQ(CommentsBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(CommentsBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Button(kGenerateButton)->text(), "Generate Packet ...");
    EXPECT_EQ(builder->ControlAs<shell::ImageTextButton>(kGenerateButton)->PictureSize(), QSize(19, 16));
    EXPECT_EQ(builder->focusWidget(), List());
    EXPECT_TRUE(List()->selectionModel()->selectedRows().isEmpty());
}

TEST_F(BuilderTest, FirstOpeningStartsFromDefaultsAndClosingWritesAllThreeKeys)
{
    Open();
    EXPECT_EQ(WorkFolderBox()->text(), QDir::homePath() + "/");
    EXPECT_EQ(CommentsBox()->WindowsText(), "");
    QTest::keyClick(builder.get(), Qt::Key_Escape);
    EXPECT_FALSE(builder->isVisible());
    EXPECT_EQ(Setting("WorkFolder"), QDir::homePath() + "/");
    EXPECT_EQ(Setting("Commnets"), "");
    EXPECT_EQ(Setting("ResToSave"), "");
}

TEST_F(BuilderTest, StoredStateComesBackAndEmptyValuesStayEmpty)
{
    WriteAll(settings, "[build]\nWorkFolder=\nCommnets=first\x02\x03second\nResToSave=/themes/\n");
    Open();
    EXPECT_EQ(WorkFolderBox()->text(), "");
    EXPECT_EQ(builder->WorkFolder(), "");
    EXPECT_EQ(CommentsBox()->toPlainText(), "first\nsecond");
    EXPECT_EQ(builder->Comments(), "first\r\nsecond");
    EXPECT_EQ(builder->PacketFolder(), "/themes/");
}

TEST_F(BuilderTest, CommentsTypedOnTwoLinesAreStoredOnOneLine)
{
    Open();
    QTest::keyClicks(CommentsBox(), "first");
    QTest::keyClick(CommentsBox(), Qt::Key_Return);
    QTest::keyClicks(CommentsBox(), "second");
    EXPECT_TRUE(builder->isVisible());
    builder->close();
    EXPECT_TRUE(ReadAll(settings).contains("\nCommnets=first\x02\x03second\n"));
}

TEST_F(BuilderTest, CommentsHoldAtMost8192CharactersCountingLineBreaksTwice)
{
    Open();
    CommentsBox()->SetWindowsText(QString(8190, u'a'));
    QTest::keyClick(CommentsBox(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(CommentsBox(), "b");
    QTest::keyClick(CommentsBox(), Qt::Key_Return);
    QTest::keyClicks(CommentsBox(), "cd");
    EXPECT_EQ(builder->Comments(), QString(8190, u'a') + "bc");
}

TEST_F(BuilderTest, AddResourceAsksForGifsInTheWorkFolderAndKeepsThePickersOrder)
{
    WriteAll(settings, "[build]\nWorkFolder=" + work.toStdString() + "/\n");
    Open();
    Add({"zeta.gif", "ok.gif", "back.gif"});
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    const auto& request = dialogs.FileCalls()[0].request;
    EXPECT_FALSE(request.save);
    EXPECT_EQ(test::Text(request.initialFolder), work + "/");
    EXPECT_EQ(QString::fromStdString(request.initialName), "*.gif");
    EXPECT_EQ(request.defaultExtension, "gif");
    EXPECT_EQ(request.filter, "GIF File(*.gif)|*.gif|");
    EXPECT_TRUE(request.multiSelect);

    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(QStringList({Cell(0, 0), Cell(1, 0), Cell(2, 0)}), QStringList({"zeta.g", "ok.g", "back.g"}));
    EXPECT_EQ(QStringList({Cell(1, 1), Cell(1, 2), Cell(1, 3)}),
        QStringList({"0x000002EF", "0x00000007", "0x00000000"}));
    EXPECT_EQ(CountText(), "New packet has 3 valid resources.");
    EXPECT_TRUE(dialogs.Messages().empty());

    builder->OnAddResource();  // cancelled
    EXPECT_EQ(Rows(), 3);
}

TEST_F(BuilderTest, DroppedPicturesAreAddedInTheirOrderAndADroppedFolderIsRefused)
{
    WriteAll(settings, "[build]\nWorkFolder=" + work.toStdString() + "/\n");
    Open();
    QStringList dropped = Pictures({"zeta.gif", "ok.gif"});
    QDir().mkpath(work + "/folder.gif");
    dropped.insert(1, work + "/folder.gif");
    test::DropFiles(*List()->viewport(), dropped);
    EXPECT_EQ(QStringList({Cell(0, 0), Cell(1, 0)}), QStringList({"zeta.g", "ok.g"}));
    EXPECT_EQ(CountText(), "New packet has 2 valid resources.");
    EXPECT_EQ(MessageTexts(dialogs), QStringList({"These files cannot become resources and were not added:\n"
                                                  "folder.gif: it is a folder"}));
    EXPECT_TRUE(dialogs.FileCalls().empty());
}

TEST_F(BuilderTest, FilesDroppedOnAFullListAreCounted)
{
    WriteAll(settings, "[build]\nWorkFolder=" + work.toStdString() + "/\n");
    Open();
    dialogs.QueueFiles(test::Paths(QStringList(2048, Pictures({"p.gif"}).front())));
    builder->OnAddResource();
    test::DropFiles(*List()->viewport(), Pictures({"a.gif", "b.gif"}));
    EXPECT_EQ(Rows(), 2048);
    EXPECT_EQ(MessageTexts(dialogs), QStringList({"2 files were not added: a resource packet holds at most 2048 resources."}));
}

// The selected row is the one the selection holds, not the current one a
// list that gains the focus keeps without selecting it.
TEST_F(BuilderTest, RemoveTakesTheSelectedRowNotTheCurrentOne)
{
    WriteAll(settings, "[build]\nWorkFolder=" + work.toStdString() + "/\n");
    Open();
    Add({"first.gif", "second.gif", "third.gif"});
    List()->setCurrentIndex(List()->model()->index(1, 0));
    List()->selectionModel()->clearSelection();
    QTest::mouseClick(Button(kRemoveButton), Qt::LeftButton);
    EXPECT_EQ(Rows(), 3);

    Select(0);
    QTest::mouseClick(Button(kRemoveButton), Qt::LeftButton);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, 0), "second.g");
    EXPECT_TRUE(List()->selectionModel()->selectedRows().isEmpty());
}

TEST_F(BuilderTest, EnterTakesTheTypedWorkFolderAndEscDoesNot)
{
    Open();
    QTest::keyClicks(WorkFolderBox(), "typed");
    QTest::keyClick(builder.get(), Qt::Key_Escape);
    EXPECT_EQ(Setting("WorkFolder"), QDir::homePath() + "/");

    Open();
    WorkFolderBox()->setText(work);
    QTest::keyClick(WorkFolderBox(), Qt::Key_Return);
    EXPECT_FALSE(builder->isVisible());
    EXPECT_EQ(builder->result(), QDialog::Accepted);
    EXPECT_EQ(Setting("WorkFolder"), work);
}

TEST_F(BuilderTest, EnterInTheCommentsBoxOrOnAButtonDoesNotClose)
{
    Open();
    CommentsBox()->setFocus();
    QTest::keyClick(CommentsBox(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(CommentsBox(), Qt::Key_Enter);
    EXPECT_TRUE(builder->isVisible());
    EXPECT_EQ(builder->Comments(), "\r\n");

    Button(kRemoveAllButton)->setFocus();
    QTest::keyClick(Button(kRemoveAllButton), Qt::Key_Return);
    EXPECT_TRUE(builder->isVisible());
    EXPECT_EQ(MessageTexts(dialogs), QStringList({"Sure to delete all resources?"}));
}

TEST_F(BuilderTest, GenerateWritesTheWorkedExampleAndRemembersItsFolder)
{
    WriteAll(work + "/ok.gif", test::OkPicture());
    WriteAll(work + "/back.gif", test::BackPicture());
    WriteAll(settings, "[build]\nWorkFolder=" + work.toStdString() + "\n");
    Open();
    dialogs.QueueFiles(test::Paths({work + "/ok.gif", work + "/back.gif"}));
    builder->OnAddResource();

    const QString packet = root.filePath("out/new.ezx");
    QDir().mkpath(root.filePath("out"));
    dialogs.QueueFiles(test::Paths({packet}));
    QTest::mouseClick(Button(kGenerateButton), Qt::LeftButton);

    ASSERT_EQ(dialogs.FileCalls().size(), 2u);
    const auto& request = dialogs.FileCalls()[1].request;
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.defaultExtension, "ezx");
    EXPECT_EQ(QString::fromStdString(request.initialName), "iconres.ezx");
    EXPECT_EQ(request.filter, "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(ReadAll(packet).toStdString(), test::WorkedExamplePacket());
    EXPECT_EQ(MessageTexts(dialogs), QStringList({"Before build, please make sure all resource files are locating in work folder.",
                                   "Successfully built " + packet + "!"}));
    EXPECT_EQ(dialogs.Messages()[0].request.icon, behaviour::MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.Messages()[1].request.icon, behaviour::MessageIcon::None);
    EXPECT_EQ(dialogs.Messages()[1].request.owner, platform::HandleOf(builder.get()));
    EXPECT_EQ(Cell(1, 3), "0x00000033");  // the list shows the offsets written
}

}  // namespace
}  // namespace skinwright::builder
