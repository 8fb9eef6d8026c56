#include "behaviour/button_layout.h"

#include <gtest/gtest.h>

namespace skinwright::behaviour {
namespace {

struct LayoutCase {
    const char* name;
    Size button;
    Size picture;
    Size text;
    int ampersandWidth;
    bool pressed;
    Size content;
    Point origin;
    int pictureOffset;
    int textOffset;
};

class ButtonLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ButtonLayoutTest, PlacesPictureAndCaption)
{
    const LayoutCase& c = GetParam();
    const ButtonLayout layout =
        ComputeButtonLayout(c.button, c.picture, c.text, c.ampersandWidth, c.pressed);

    EXPECT_EQ(layout.content, c.content);
    EXPECT_EQ(layout.origin, c.origin);
    EXPECT_EQ(layout.pictureOffset, c.pictureOffset);
    EXPECT_EQ(layout.textOffset, c.textOffset);

    const int press = c.pressed ? 1 : 0;
    EXPECT_EQ(layout.picture, (Point{c.origin.x + press, c.origin.y + press + c.pictureOffset}));
    EXPECT_EQ(layout.text, (Rect{c.origin.x + c.picture.width + 4 + press, c.origin.y + press + c.textOffset,
                                 c.content.width, c.content.height}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonLayoutTest,
    ::testing::Values(
        // A 13-pixel caption beside the question mark: the picture is raised by 1.
        LayoutCase{"HelpPicture", {75, 23}, {16, 15}, {40, 13}, 0, false, {60, 15}, {7, 4}, -1, 0},
        // (13 - 16) / 2 truncates toward zero to -1, not -2.
        LayoutCase{"TickPicture", {75, 23}, {19, 16}, {40, 13}, 0, false, {63, 16}, {6, 3}, -1, 0},
        LayoutCase{"TallerCaption", {75, 23}, {16, 15}, {40, 20}, 0, false, {60, 20}, {7, 1}, 0, -2},
        LayoutCase{"EqualHeights", {75, 23}, {16, 15}, {40, 15}, 0, false, {60, 15}, {7, 4}, 0, 0},
        LayoutCase{"Pressed", {75, 23}, {16, 15}, {40, 13}, 0, true, {60, 15}, {7, 4}, -1, 0},
        LayoutCase{"AmpersandNotCounted", {75, 23}, {16, 15}, {46, 13}, 6, false, {60, 15}, {7, 4}, -1, 0},
        // (30 - 81) / 2 is -25 (toward zero), not -26.
        LayoutCase{"WiderThanButton", {30, 23}, {16, 15}, {61, 13}, 0, false, {81, 15}, {-25, 4}, -1, 0},
        LayoutCase{"TallerThanButton", {75, 10}, {16, 15}, {40, 13}, 0, false, {60, 15}, {7, -2}, -1, 0},
        LayoutCase{"NoPicture", {75, 23}, {0, 0}, {40, 13}, 0, false, {44, 13}, {15, 5}, 0, -6}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) { return std::string(param.param.name); });

// Windows' usual settings: 100, 125, 150, 175 and 200 percent, and above.
TEST(PictureScale, EachDpiTakesTheNearestPictureMade)
{
    const struct {
        int dotsPerInch;
        int percent;
    } cases[] = {{72, 100}, {96, 100}, {119, 100}, {120, 150}, {144, 150},
                 {167, 150}, {168, 200}, {192, 200}, {288, 200}};
    for (const auto& c : cases)
        EXPECT_EQ(PictureScaleFor(c.dotsPerInch), c.percent) << c.dotsPerInch;
}

}  // namespace
}  // namespace skinwright::behaviour
