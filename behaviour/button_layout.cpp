#include "button_layout.h"

namespace skinwright::behaviour {
namespace {

constexpr int kPictureGap = 4;

}  // namespace

ButtonLayout ComputeButtonLayout(Size button, Size picture, Size text, int ampersandWidth, bool pressed)
{
    ButtonLayout layout;
    const int contentWidth = picture.width + kPictureGap + text.width - ampersandWidth;
    int contentHeight = 0;
    if (text.height > picture.height) {
        contentHeight = text.height;
        layout.textOffset = (picture.height - text.height) / 2;
    } else {
        contentHeight = picture.height;
        layout.pictureOffset = (text.height - picture.height) / 2;
    }
    layout.content = {contentWidth, contentHeight};
    layout.origin = {(button.width - contentWidth) / 2, (button.height - contentHeight) / 2};

    const int press = pressed ? 1 : 0;
    layout.picture = {layout.origin.x + press, layout.origin.y + press + layout.pictureOffset};
    layout.text = {layout.origin.x + picture.width + kPictureGap + press, layout.origin.y + press + layout.textOffset,
                   contentWidth, contentHeight};
    return layout;
}

int PictureScaleFor(int dotsPerInch)
{
    if (dotsPerInch < 120)
        return 100;
    return dotsPerInch < 168 ? 150 : 200;
}

}  // namespace skinwright::behaviour
