// Pictures with a transparent colour: the colour of the picture's bottom-left
// pixel is left out wherever it occurs, and a three-colour "disabled" version
// of a picture is computed from it once.
#pragma once

#include <QColor>
#include <QImage>

class QPainter;
class QPixmap;

namespace skinwright::shell {

// The colour of the picture's bottom-left pixel.
QRgb TransparentColour(const QImage& picture);

// Draws the picture with its top-left corner at (x, y); the pixels of the
// transparent colour leave the target as it was.
void DrawTransparent(QPainter& painter, int x, int y, const QPixmap& picture);

struct DisabledColours {
    QColor highlight;
    QColor shadow;
    QColor face;
};

// Transparent pixels become the face colour; of the others, those brighter
// than the average (red + green + blue) become the shadow colour and the rest
// the highlight colour, so bright parts turn dark and dark parts light.
QImage MakeDisabledImage(const QImage& picture, const DisabledColours& colours);

}  // namespace skinwright::shell
