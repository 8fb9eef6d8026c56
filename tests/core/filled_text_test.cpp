#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/filled_text.h"

namespace skinwright {
namespace {

TEST(FilledText, ValuesTakeTheirPlaces)
{
    const std::vector<std::string> values{"3", "back.gif"};
    const struct {
        const char* format;
        const char* filled;
    } cases[] = {
        {"Loaded %d resources, %s first.", "Loaded 3 resources, back.gif first."},
        {"%2$s first, %1$d in all", "back.gif first, 3 in all"},
        {"%1$d and %1$d", "3 and 3"},
        {"100%% done", "100% done"},
        {"%d %s %s", "3 back.gif %s"},           // a value beyond those given stays as written
        {"50% off, %q", "50% off, %q"},          // not a known form
        {"%9$s", "%9$s"},
        {"ends in %", "ends in %"},
        {"", ""},
    };
    for (const auto& row : cases)
        EXPECT_EQ(FillIn(row.format, values), row.filled) << row.format;
}

TEST(FilledText, AValueIsNeverReadAsAFormat)
{
    const std::vector<std::string> values{"C:\\100%s\\"};
    EXPECT_EQ(FillIn("Successfully built %s!", values), "Successfully built C:\\100%s\\!");
}

}  // namespace
}  // namespace skinwright
