#include "picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace skinwright::platform {

QImage DecodePicture(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    QByteArray data = bytes.toByteArray();
    QBuffer buffer(&data);
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
