#include "button_layout.h"

namespace skinwright::shell {

namespace {

constexpr int kPictureGap = 4;

}  // namespace

ButtonLayout ComputeButtonLayout(QSize button, QSize picture, QSize text,
                                 int ampersandWidth, bool pressed)
{
    ButtonLayout layout;
    const int contentWidth = picture.width() + kPictureGap + text.width() - ampersandWidth;
    int contentHeight = 0;
    if (text.height() > picture.height()) {
        contentHeight = text.height();
        layout.textOffset = (picture.height() - text.height()) / 2;
    } else {
        contentHeight = picture.height();
        layout.pictureOffset = (text.height() - picture.height()) / 2;
    }
    layout.content = QSize(contentWidth, contentHeight);
    layout.origin = QPoint((button.width() - contentWidth) / 2,
                           (button.height() - contentHeight) / 2);

    const int press = pressed ? 1 : 0;
    layout.picture = QPoint(layout.origin.x() + press,
                            layout.origin.y() + press + layout.pictureOffset);
    layout.text = QRect(layout.origin.x() + picture.width() + kPictureGap + press,
                        layout.origin.y() + press + layout.textOffset,
                        contentWidth, contentHeight);
    return layout;
}

}  // namespace skinwright::shell
