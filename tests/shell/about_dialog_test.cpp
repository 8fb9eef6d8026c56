#include "shell/about_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "behaviour/usage_text.h"
#include "platform/modal.h"
#include "res/templates/dialog_templates.h"

namespace skinwright::shell {
namespace {

namespace about = templates::about;

// The usage text as the window takes it; its wording is the usage text test's.
QString UsageShown()
{
    return QString::fromStdString(behaviour::BuildUsageText());
}

void Press(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class AboutDialogTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetModalRunner({}); }

    // Opens the window through ShowAboutDialog and lets `act` work it; the
    // result and whether the window closed are kept.
    void Open(const std::function<void(AboutDialog&)>& act)
    {
        platform::SetModalRunner([&](QDialog& shown) {
            auto* dialog = dynamic_cast<AboutDialog*>(&shown);
            EXPECT_NE(dialog, nullptr);
            if (dialog)
                act(*dialog);
            result_ = shown.result();
            closed_ = !shown.isVisible();
            return shown.result();
        });
        ShowAboutDialog(nullptr);
    }

    int result_ = -1;
    bool closed_ = false;
};

TEST_F(AboutDialogTest, ShowsTitleIconVersionAndUsageText)
{
    AboutDialog dialog;

    EXPECT_EQ(dialog.windowTitle(), "Motorola Skin Skinwright Editor");
    EXPECT_EQ(dialog.UsageText(), UsageShown());
    const auto* usage = dialog.ControlAs<QPlainTextEdit>(about::kUsageText);
    ASSERT_NE(usage, nullptr);
    EXPECT_EQ(usage->toPlainText(), UsageShown().replace("\r\n", "\n"));

    bool version = false;
    bool icon = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        version = version || label->text() == "Skinwright V1.0";
        icon = icon || !label->pixmap().isNull();
    }
    EXPECT_TRUE(version);
    EXPECT_TRUE(icon);
}

TEST_F(AboutDialogTest, TextCanBeCopiedButNotChanged)
{
    AboutDialog dialog;
    auto* usage = dialog.ControlAs<QPlainTextEdit>(about::kUsageText);
    ASSERT_NE(usage, nullptr);
    const QString before = usage->toPlainText();

    usage->setFocus();
    Press(usage, Qt::Key_X);
    Press(usage, Qt::Key_Delete);
    Press(usage, Qt::Key_Backspace);
    EXPECT_TRUE(usage->isReadOnly());
    EXPECT_EQ(usage->toPlainText(), before);

    EXPECT_TRUE(usage->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    usage->selectAll();
    usage->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), before);
}

TEST_F(AboutDialogTest, OpensWithFocusOnOkAndEnterOnOkCloses)
{
    Open([](AboutDialog& dialog) {
        auto* ok = dialog.ControlAs<QPushButton>(about::kOkButton);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(dialog.focusWidget(), ok);
        EXPECT_TRUE(ok->isDefault());
        Press(ok, Qt::Key_Return);
    });

    EXPECT_TRUE(closed_);
    EXPECT_EQ(result_, QDialog::Accepted);
}

TEST_F(AboutDialogTest, EscapeCloses)
{
    Open([](AboutDialog& dialog) { Press(dialog.ControlAs<QWidget>(about::kUsageText), Qt::Key_Escape); });

    EXPECT_TRUE(closed_);
    EXPECT_EQ(result_, QDialog::Rejected);
}

TEST_F(AboutDialogTest, EnterInTheUsageTextKeepsTheWindowOpen)
{
    Open([](AboutDialog& dialog) {
        Press(dialog.ControlAs<QWidget>(about::kUsageText), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
    });

    EXPECT_FALSE(closed_);
}

TEST_F(AboutDialogTest, EveryOpeningShowsTheSameText)
{
    QStringList shown;
    const auto read = [&](AboutDialog& dialog) {
        shown << dialog.ControlAs<QPlainTextEdit>(about::kUsageText)->toPlainText();
    };
    Open(read);
    Open(read);

    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(shown[0], UsageShown().replace("\r\n", "\n"));
}

}  // namespace
}  // namespace skinwright::shell
