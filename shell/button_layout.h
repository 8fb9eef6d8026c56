// Where the owner-drawn button puts its picture and caption: the two are laid
// side by side, 4 pixels apart, and centred in the button as one group.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace skinwright::shell {

struct ButtonLayout {
    QSize content;          // CW x CH: picture, gap and caption
    QPoint origin;          // x0, y0: top-left of the content, before pressing
    int pictureOffset = 0;  // vertical, zero or negative
    int textOffset = 0;     // vertical, zero or negative
    QPoint picture;         // where the picture's top-left corner goes
    QRect text;             // the box the caption is drawn in
};

// Divisions by two truncate toward zero, so a group wider or taller than the
// button starts left of or above its edge. ampersandWidth is the width of
// one "&" when the caption holds one (it is not drawn), else 0.
ButtonLayout ComputeButtonLayout(QSize button, QSize picture, QSize text,
                                 int ampersandWidth, bool pressed);

}  // namespace skinwright::shell
