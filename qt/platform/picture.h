// Pictures decoded from their bytes alone, at their own size; the format
// (GIF among others) is told by the bytes, not by a file name.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace skinwright::platform {

// A null image when the bytes are not a picture.
QImage DecodePicture(QByteArray bytes);

// A null pixmap when the file cannot be read or is not a picture.
QPixmap LoadPictureFile(const QString& path);

}  // namespace skinwright::platform
