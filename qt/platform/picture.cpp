#include "picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace skinwright::platform {

QImage DecodePicture(QByteArray bytes)
{
    if (bytes.isEmpty())
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QPixmap LoadPictureFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QImage image = DecodePicture(file.readAll());
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace skinwright::platform
