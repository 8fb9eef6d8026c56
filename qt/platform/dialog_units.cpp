#include "dialog_units.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace skinwright::platform {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(rounded);
}

}  // namespace

QFont DialogFont(const QString& family, int pointSize)
{
    QFont font = QFontDatabase::families().contains(family) ? QFont(family) : QApplication::font();
    font.setPointSize(pointSize);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units)
{
    return {MulDiv(dialogUnits.x(), units.cx, 4), MulDiv(dialogUnits.y(), units.cy, 8),
            MulDiv(dialogUnits.width(), units.cx, 4), MulDiv(dialogUnits.height(), units.cy, 8)};
}

}  // namespace skinwright::platform
