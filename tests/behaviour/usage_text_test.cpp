#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "behaviour/usage_text.h"
#include "res/templates/dialog_templates.h"

namespace skinwright::behaviour {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// The About window's text as its reader sees it: fourteen lines, each ended
// by CR LF, the last too, with the three empty lines between its parts; it
// names the phones and the Viewer's button by the caption the button has.
TEST(UsageTextTest, IsFourteenLinesThatNameThePhonesAndTheBuildButton)
{
    const std::string text = BuildUsageText();
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 14u) << text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].empty(), i == 2 || i == 6 || i == 11) << "line " << i + 1 << ": " << lines[i];
    EXPECT_NE(lines[1].find("E680/A768/A768I/A780"), std::string::npos);

    const auto& controls = templates::ViewerTemplate().controls;
    const auto build = std::find_if(controls.begin(), controls.end(),
                                    [](const auto& control) { return control.id == templates::viewer::kBuildButton; });
    ASSERT_NE(build, controls.end());
    EXPECT_NE(lines[7].find("\"" + build->text + "\""), std::string::npos) << lines[7];
    EXPECT_EQ(BuildUsageText(), text);  // built anew, nothing appended twice
}

}  // namespace
}  // namespace skinwright::behaviour
