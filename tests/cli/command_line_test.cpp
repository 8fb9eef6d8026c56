// Splitting arguments into operands and options.
#include <gtest/gtest.h>

#include <array>

#include "cli/command_line.h"

namespace skinwright::cli {
namespace {

constexpr std::array<OptionSpec, 2> kOptions{{{"output", 'o', true}, {"force", 'f', false}}};

CommandLine Parse(std::vector<std::string> args)
{
    return ParseCommandLine(args, kOptions);
}

TEST(ParseCommandLine, TakesOptionsInEveryFormAmongOperands)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"in", "-o", "out.ezx", "-f"},
             {"--output=out.ezx", "in", "--force"},
             {"--force", "--output", "out.ezx", "in"},
         }) {
        const CommandLine line = Parse(args);
        EXPECT_EQ("", line.error);
        EXPECT_EQ(std::vector<std::string>{"in"}, line.operands);
        EXPECT_EQ("out.ezx", line.Value("output"));
        EXPECT_TRUE(line.Has("force"));
    }
}

TEST(ParseCommandLine, DoubleDashAndLoneDashAreOperands)
{
    const CommandLine line = Parse({"-", "--", "-o", "--force"});
    EXPECT_EQ("", line.error);
    EXPECT_EQ((std::vector<std::string>{"-", "-o", "--force"}), line.operands);
    EXPECT_FALSE(line.Has("output"));
}

TEST(ParseCommandLine, ValueMayBeEmptyOrLookLikeAnOption)
{
    EXPECT_EQ("", Parse({"--output="}).Value("output"));
    EXPECT_TRUE(Parse({"--output="}).Has("output"));
    EXPECT_EQ("--force", Parse({"-o", "--force"}).Value("output"));
}

TEST(ParseCommandLine, RefusesWhatItCannotTake)
{
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--colour"}, "unknown option --colour"},
        {{"-x"}, "unknown option -x"},
        {{"-of"}, "unknown option -of"},
        {{"-o"}, "option --output needs a value"},
        {{"-f", "--force"}, "option --force given twice"},
        {{"--force=1"}, "option --force takes no value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.error, Parse(c.args).error) << ::testing::PrintToString(c.args);
}

TEST(ParseCommandLine, HelpAndVersionAreKnownEverywhere)
{
    EXPECT_TRUE(ParseCommandLine(std::vector<std::string>{"-h"}, {}).Has("help"));
    EXPECT_TRUE(ParseCommandLine(std::vector<std::string>{"--version"}, {}).Has("version"));
}

}  // namespace
}  // namespace skinwright::cli
