#include <regex>

#include <gtest/gtest.h>

#include "behaviour/start_request.h"

namespace skinwright::behaviour {
namespace {

using Action = StartRequest::Action;

const std::filesystem::path kHere = std::filesystem::path("/home/sam");

TEST(StartRequest, OnePacketIsOpenedByItsAbsolutePath)
{
    EXPECT_EQ(ParseStartArguments({"/phone/iconres.ezx"}, kHere).packet, "/phone/iconres.ezx");
    const StartRequest relative = ParseStartArguments({"skin/iconres.ezx"}, kHere);
    EXPECT_EQ(relative.action, Action::Run);
    EXPECT_EQ(relative.packet, "/home/sam/skin/iconres.ezx");
}

TEST(StartRequest, AnyOtherCommandLineStartsAsWithoutArguments)
{
    const std::vector<std::string> cases[] = {{}, {"a.ezx", "b.ezx"}, {"--verbose"}, {"--help", "a.ezx"}, {""}};
    for (const std::vector<std::string>& arguments : cases) {
        const StartRequest request = ParseStartArguments(arguments, kHere);
        EXPECT_EQ(request.action, Action::Run) << arguments.size();
        EXPECT_TRUE(request.packet.empty()) << arguments.size();
    }
}

TEST(StartRequest, HelpAndVersionAreAnsweredUnderTheProgramsName)
{
    EXPECT_EQ(ParseStartArguments({"--help"}, kHere).action, Action::PrintHelp);
    EXPECT_EQ(ParseStartArguments({"-h"}, kHere).action, Action::PrintHelp);
    EXPECT_EQ(ParseStartArguments({"--version"}, kHere).action, Action::PrintVersion);
    EXPECT_TRUE(HelpText("Copy").starts_with("Usage: Copy [PACKET]\n"));
    EXPECT_TRUE(std::regex_match(VersionText("Copy"), std::regex("Copy \\d+\\.\\d+\\.\\d+\n")));
}

}  // namespace
}  // namespace skinwright::behaviour
