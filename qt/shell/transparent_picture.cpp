#include "transparent_picture.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

namespace skinwright::shell {

namespace {

int Brightness(QRgb colour)
{
    return qRed(colour) + qGreen(colour) + qBlue(colour);
}

// The average brightness of the pixels of an RGB32 picture that are not
// transparent; the transparent colour's own brightness if there are none.
int AverageBrightness(const QImage& picture, QRgb transparent)
{
    long long sum = 0;
    long long count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            if (colour == transparent)
                continue;
            sum += Brightness(colour);
            ++count;
        }
    }
    return count == 0 ? Brightness(transparent) : static_cast<int>(sum / count);
}

}  // namespace

QRgb TransparentColour(const QImage& picture)
{
    return picture.pixel(0, picture.height() - 1) | 0xFF000000u;
}

void DrawTransparent(QPainter& painter, int x, int y, const QPixmap& picture)
{
    if (picture.isNull())
        return;
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    QPixmap masked = picture;
    masked.setMask(QBitmap::fromImage(
        image.createMaskFromColor(TransparentColour(image), Qt::MaskInColor)));
    painter.drawPixmap(x, y, masked);
}

QImage MakeDisabledImage(const QImage& picture, const DisabledColours& colours)
{
    if (picture.isNull())
        return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb transparent = TransparentColour(source);
    const int average = AverageBrightness(source, transparent);

    QImage disabled(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = source.pixel(x, y);
            if (colour == transparent)
                disabled.setPixel(x, y, colours.face.rgb());
            else if (Brightness(colour) > average)
                disabled.setPixel(x, y, colours.shadow.rgb());
            else
                disabled.setPixel(x, y, colours.highlight.rgb());
        }
    }
    return disabled;
}

}  // namespace skinwright::shell
