// Dialog units to pixels, computed from the dialog font as Windows does.
#pragma once

#include <QFont>
#include <QRect>

namespace skinwright::platform {

struct DialogBaseUnits {
    int cx = 0;  // average character width in pixels
    int cy = 0;  // character height in pixels
};

// The named family at the given size where it is installed, otherwise the
// system's user-interface font at that size.
QFont DialogFont(const QString& family, int pointSize);

// cx: the width of "A".."Z" "a".."z" rounded as Windows rounds it,
// ((width / 26) + 1) / 2; cy: the font's height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// x and width scale by cx / 4, y and height by cy / 8, rounded to nearest.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units);

}  // namespace skinwright::platform
