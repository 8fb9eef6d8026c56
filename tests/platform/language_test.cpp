// The language the user's environment asks for reaches Qt's own buttons and
// dialogs. The environment is set in the one test and kept: Qt's
// translations stay installed for the rest of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "platform/language.h"

namespace skinwright::platform {
namespace {

TEST(UserLanguage, QtsOwnButtonsSpeakItToo)
{
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "de_DE.UTF-8");
    SpeakUserLanguage(*QCoreApplication::instance());
    QDialogButtonBox answers(QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(answers.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(answers.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nein"));
}

}  // namespace
}  // namespace skinwright::platform
