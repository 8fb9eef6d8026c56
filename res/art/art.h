// The program's own pictures: icon 128 and the buttons' bitmaps 130 and 131.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace skinwright::art {

inline constexpr int kAppIconId = 128;
inline constexpr int kGenerateBitmapId = 130;  // a green tick, 19 x 16
inline constexpr int kHelpBitmapId = 131;      // a question mark, 16 x 15

// The bitmap resource `id`; a null pixmap if there is none of that number.
QPixmap Bitmap(int id);

// Icon 128 in its 32 x 32 and 16 x 16 sizes.
QIcon AppIcon();

}  // namespace skinwright::art
