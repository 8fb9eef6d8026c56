#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/picture.h"

namespace skinwright::platform {
namespace {

// A 2 x 1 GIF: a white and a black pixel.
const QByteArray kGif = QByteArray::fromHex(
    "474946383961" "0200" "0100" "800000"  // header, screen, two-colour table
    "ffffff" "000000"
    "2c" "0000" "0000" "0200" "0100" "00"  // image descriptor
    "02" "02440a" "00"                     // LZW: clear, 0, 1, end
    "3b");

QByteArray Png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(Picture, DecodesAtItsOwnSizeFromTheBytesAlone)
{
    const QImage gif = DecodePicture(kGif);
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(gif.size(), QSize(2, 1));
    EXPECT_EQ(DecodePicture(Png(300, 7)).size(), QSize(300, 7));
}

TEST(Picture, NotAPictureGivesNone)
{
    EXPECT_TRUE(DecodePicture(QByteArray()).isNull());
    EXPECT_TRUE(DecodePicture(QByteArray("GIF89a but no more")).isNull());
    EXPECT_TRUE(LoadPictureFile("/nonexistent/0x000000FF.gif").isNull());
}

TEST(Picture, FileNameDoesNotDecideTheFormat)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("0x000000FF.gif");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Png(5, 9));
    file.close();
    EXPECT_EQ(LoadPictureFile(path).size(), QSize(5, 9));
}

}  // namespace
}  // namespace skinwright::platform
