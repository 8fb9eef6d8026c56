#include "button_frames.h"

#include <QPainter>
#include <QPalette>

namespace skinwright::shell {

namespace {

void DrawBevel(QPainter& painter, const QRect& rect, const QColor& topLeft,
               const QColor& bottomRight)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

}  // namespace

void DrawOutline(QPainter& painter, const QRect& rect, const QColor& colour)
{
    DrawBevel(painter, rect, colour, colour);
}

void DrawRaisedFrame(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    painter.fillRect(rect, palette.color(QPalette::Active, QPalette::Button));
    DrawBevel(painter, rect, palette.color(QPalette::Active, QPalette::Light),
              palette.color(QPalette::Active, QPalette::Shadow));
    DrawBevel(painter, rect.adjusted(1, 1, -1, -1),
              palette.color(QPalette::Active, QPalette::Midlight),
              palette.color(QPalette::Active, QPalette::Dark));
}

void DrawFocusRectangle(QPainter& painter, const QRect& rect, const QColor& colour)
{
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.fillRect(QRect(x, rect.top(), 1, 1), colour);
        painter.fillRect(QRect(x, rect.bottom(), 1, 1), colour);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        painter.fillRect(QRect(rect.left(), y, 1, 1), colour);
        painter.fillRect(QRect(rect.right(), y, 1, 1), colour);
    }
}

}  // namespace skinwright::shell
