// The outlines and frames of the owner-drawn button. Rectangles are taken as
// the pixels they cover: an outline lies on the rectangle's outermost pixels.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

namespace skinwright::shell {

// A one-pixel line on the rectangle's outermost pixels.
void DrawOutline(QPainter& painter, const QRect& rect, const QColor& colour);

// The raised push-button look: two bevel lines, light at the top and left,
// dark at the bottom and right, around a face of the button colour.
void DrawRaisedFrame(QPainter& painter, const QRect& rect, const QPalette& palette);

// The dotted focus rectangle, one pixel on and one off.
void DrawFocusRectangle(QPainter& painter, const QRect& rect, const QColor& colour);

}  // namespace skinwright::shell
