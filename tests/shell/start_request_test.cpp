#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "shell/start_request.h"

namespace skinwright::shell {
namespace {

using Action = StartRequest::Action;

TEST(StartRequest, OnePacketIsOpenedByItsAbsolutePath)
{
    EXPECT_EQ(ParseStartArguments({"/phone/iconres.ezx"}).packet, "/phone/iconres.ezx");
    const StartRequest relative = ParseStartArguments({"skin/iconres.ezx"});
    EXPECT_EQ(relative.action, Action::Run);
    EXPECT_EQ(relative.packet, QDir::currentPath() + "/skin/iconres.ezx");
}

TEST(StartRequest, AnyOtherCommandLineStartsAsWithoutArguments)
{
    const QStringList cases[] = {{}, {"a.ezx", "b.ezx"}, {"--verbose"}, {"--help", "a.ezx"}, {""}};
    for (const QStringList& arguments : cases) {
        const StartRequest request = ParseStartArguments(arguments);
        EXPECT_EQ(request.action, Action::Run) << arguments.join(' ').toStdString();
        EXPECT_TRUE(request.packet.isEmpty()) << arguments.join(' ').toStdString();
    }
}

TEST(StartRequest, AnArgumentThatIsNoUtf8IsNoText)
{
    EXPECT_EQ(ArgumentText("caf\xC3\xA9.ezx"), QString::fromUtf8("caf\xC3\xA9.ezx"));
    EXPECT_EQ(ArgumentText("caf\xE9.ezx"), std::nullopt);
}

TEST(StartRequest, HelpAndVersionAreAnsweredUnderTheProgramsName)
{
    EXPECT_EQ(ParseStartArguments({"--help"}).action, Action::PrintHelp);
    EXPECT_EQ(ParseStartArguments({"-h"}).action, Action::PrintHelp);
    EXPECT_EQ(ParseStartArguments({"--version"}).action, Action::PrintVersion);
    EXPECT_TRUE(HelpText("Copy").startsWith("Usage: Copy [PACKET]\n"));
    EXPECT_TRUE(QRegularExpression("^Copy \\d+\\.\\d+\\.\\d+\n$").match(VersionText("Copy")).hasMatch());
}

}  // namespace
}  // namespace skinwright::shell
