// The Builder opened from the Viewer's button, worked through the
// replaceable modal call while it is shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "builder/builder_dialog.h"
#include "core/packet.h"
#include "platform/modal.h"
#include "platform/multi_line_edit.h"
#include "behaviour/scripted_dialogs.h"
#include "res/templates/dialog_templates.h"
#include "tests/window_test_files.h"
#include "tests/support/files.h"
#include "tests/support/pictures.h"
#include "viewer/viewer_dialog.h"

namespace skinwright {
namespace {

namespace ids = templates::builder;
using test::MessageTexts;
using test::ReadAll;
using test::WriteAll;
using behaviour::MessageAnswer;

// Typed character by character, also characters no key of a US keyboard has.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

class HandoffTest : public ::testing::Test {
protected:
    HandoffTest()
    {
        QDir().mkpath(program);
        QDir().mkpath(work);
        QDir().mkpath(exported);
        QDir().mkpath(out);
    }
    ~HandoffTest() override { platform::SetModalRunner({}); }

    void OpenViewer(const QString& packet)
    {
        viewer = std::make_unique<viewer::ViewerDialog>(
            behaviour::ProgramSetup{.settingsFile = platform::ToFileSystemPath(settings),
                                    .programFolder = platform::ToFileSystemPath(program),
                                    .applicationName = "Skinwright"},
            dialogs);
        viewer->show();
        viewer->ControlAs<QLineEdit>(templates::viewer::kPathField)->setText(packet);
    }

    // Clicks "Build New Resource Packet ..." and works the Builder with `work`
    // while it is shown.
    void BuildNewPacket(const std::function<void(builder::BuilderDialog&)>& steps)
    {
        platform::SetModalRunner([&](QDialog& dialog) {
            auto* shown = dynamic_cast<builder::BuilderDialog*>(&dialog);
            EXPECT_NE(shown, nullptr);
            if (shown)
                steps(*shown);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(viewer->ControlAs<QPushButton>(templates::viewer::kBuildButton), Qt::LeftButton);
        platform::SetModalRunner({});
    }

    static QTableView* List(builder::BuilderDialog& builder) { return builder.ControlAs<QTableView>(ids::kResourceList); }
    static QStringList Column(QTableView* list, int column)
    {
        QStringList cells;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            cells << list->model()->index(row, column).data().toString();
        return cells;
    }

    QTemporaryDir root;
    QString program = root.filePath("program") + "/";
    QString work = root.filePath("work");
    QString exported = root.filePath("exported");
    QString out = root.filePath("out");
    QString settings = root.filePath("Skinwright.ini");
    behaviour::ScriptedDialogs dialogs;
    std::unique_ptr<viewer::ViewerDialog> viewer;
};

TEST_F(HandoffTest, APacketExportedAndRebuiltFromItsTemplateIsTheSameBytes)
{
    const std::pair<std::string, std::string> pictures[] = {
        {"Ok.g", test::OkPicture()},
        {"BACK.g", test::BackPicture()},
        {"caf\xE9.g", test::Picture(1536 * 1024, 'L')},
        {"status_Bar.g", test::Picture(300, 's')},
    };
    ResourceTable table;
    for (const auto& [name, bytes] : pictures) {
        test::WriteFile(work.toStdString() + "/" + Cp1252ToUtf8(name) + "if", bytes);
        ASSERT_TRUE(AddRow(table, name, NameHash(name)));
    }
    const QString original = root.filePath("iconres.ezx");
    ASSERT_TRUE(GeneratePacketFile(table, "Premi\xE8re\xA0ligne\r\nsecond", work.toStdString(), original.toStdString()));

    OpenViewer(original);
    dialogs.QueueFolder(test::Path(exported));
    viewer->OnSaveAll();
    ASSERT_EQ(MessageTexts(dialogs), QStringList({"Successfully exported!"}));

    const QString rebuilt = out + "/rebuilt.ezx";
    dialogs.QueueMessageAnswer(MessageAnswer::Yes);
    BuildNewPacket([&](builder::BuilderDialog& builder) {
        EXPECT_EQ(Column(List(builder), 0), QStringList({"Ok.g", "BACK.g", QString::fromUtf8("caf\xC3\xA9.g"), "status_Bar.g"}));
        dialogs.QueueFolder(test::Path(exported));
        QTest::mouseClick(builder.ControlAs<QPushButton>(ids::kPickFolderButton), Qt::LeftButton);
        auto* comments = builder.ControlAs<platform::MultiLineEdit>(ids::kCommentsBox);
        Type(comments, QString::fromUtf8("Premi\xC3\xA8re\xC2\xA0ligne"));
        QTest::keyClick(comments, Qt::Key_Return);
        QTest::keyClicks(comments, "second");
        dialogs.QueueFiles(test::Paths({rebuilt}));
        QTest::mouseClick(builder.ControlAs<QPushButton>(ids::kGenerateButton), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.Messages()[1].request.text, "Use the opened resource packet as template?");
    EXPECT_EQ(dialogs.Messages()[1].request.buttons, behaviour::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.Messages()[1].request.icon, behaviour::MessageIcon::Exclamation);
    EXPECT_EQ(MessageTexts(dialogs).last(), "Successfully built " + rebuilt + "!");
    EXPECT_EQ(ReadAll(rebuilt), ReadAll(original));

    dialogs.QueueMessageAnswer(MessageAnswer::No);
    BuildNewPacket([&](builder::BuilderDialog& builder) {
        EXPECT_EQ(List(builder)->model()->rowCount(), 0);
        EXPECT_EQ(builder.ControlAs<QLineEdit>(ids::kWorkFolderBox)->text(), exported + "/");
        EXPECT_EQ(builder.ControlAs<platform::MultiLineEdit>(ids::kCommentsBox)->WindowsText(),
            QString::fromUtf8("Premi\xC3\xA8re\xC2\xA0ligne\r\nsecond"));
        builder.GeneratePacket();  // cancelled
    });
    EXPECT_EQ(QString::fromStdString(dialogs.FileCalls().back().request.initialName), out + "/iconres.ezx");
}

TEST_F(HandoffTest, NoQuestionWithoutALoadedPacketAndTheViewerIsUntouched)
{
    ResourceTable table;
    test::WriteFile(work.toStdString() + "/ok.gif", test::OkPicture());
    ASSERT_TRUE(AddRow(table, "ok.g", NameHash("ok.g")));
    const QString packet = root.filePath("iconres.ezx");
    ASSERT_TRUE(GeneratePacketFile(table, "", work.toStdString(), packet.toStdString()));
    OpenViewer(packet);
    viewer->ControlAs<QLineEdit>(templates::viewer::kPathField)->setText(packet + "x");

    int openings = 0;
    BuildNewPacket([&](builder::BuilderDialog& builder) {
        ++openings;
        EXPECT_EQ(List(builder)->model()->rowCount(), 0);
        EXPECT_TRUE(builder.isModal());
        EXPECT_EQ(builder.parentWidget(), viewer.get());
    });
    EXPECT_EQ(openings, 1);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(viewer->ControlAs<QTableView>(templates::viewer::kResourceList)->model()->rowCount(), 1);
}

}  // namespace
}  // namespace skinwright
