#include "platform/multi_line_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

namespace skinwright::platform {
namespace {

class MultiLineEditTest : public ::testing::Test {
protected:
    // The box holds `length` letters, the cursor at the end, and may hold 10.
    void Fill(int length)
    {
        edit.SetTextLimit(10);
        edit.SetWindowsText(QString(length, u'a'));
        QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    }
    void Press(const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &press);
    }

    MultiLineEdit edit;
};

TEST_F(MultiLineEditTest, TextComesOutWithCrLfAndNoBreakSpacesKept)
{
    edit.SetWindowsText(QString::fromUtf8("one\xC2\xA0two\r\nthree\nfour"));
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(edit.WindowsText(), QString::fromUtf8("one\xC2\xA0two\r\nthree\r\nfour\r\n"));
}

TEST_F(MultiLineEditTest, KeysThatWouldPassTheLimitAreRefused)
{
    Fill(9);
    QTest::keyClick(&edit, Qt::Key_Return);
    Press(QString::fromUtf8("\xF0\x9F\x98\x80"));  // two UTF-16 units
    EXPECT_EQ(edit.WindowsText(), QString(9, u'a'));
    Press(QString::fromUtf8("\xC2\xAD"));  // a soft hyphen, a format character
    EXPECT_EQ(edit.WindowsText(), QString(9, u'a') + QChar(0xAD));
    Press("b");
    EXPECT_EQ(edit.WindowsText(), QString(9, u'a') + QChar(0xAD));

    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.WindowsText(), QString(8, u'a') + "\r\n");
}

TEST_F(MultiLineEditTest, PastedTextIsCutToFitCountingEveryLineBreakTwice)
{
    Fill(6);
    QApplication::clipboard()->setText("x\ry\r\nz");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.WindowsText(), QString(6, u'a') + "x\r\ny");

    Fill(9);
    QApplication::clipboard()->setText("\r");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.WindowsText(), QString(9, u'a'));
}

TEST_F(MultiLineEditTest, AComposedCommitMayUseTheRoomOfWhatItReplaces)
{
    Fill(10);
    QInputMethodEvent commit;
    commit.setCommitString("xyz", -2, 2);
    QApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.WindowsText(), QString(8, u'a') + "xy");
}

}  // namespace
}  // namespace skinwright::platform
