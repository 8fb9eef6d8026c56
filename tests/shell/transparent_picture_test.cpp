#include "shell/transparent_picture.h"

#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace skinwright::shell {
namespace {

const QColor kKey(255, 0, 255);
const DisabledColours kColours{QColor(250, 250, 240), QColor(90, 80, 70), QColor(200, 190, 180)};

QImage Picture(std::initializer_list<std::initializer_list<QColor>> rows)
{
    const auto height = static_cast<int>(rows.size());
    const auto width = static_cast<int>(rows.begin()->size());
    QImage image(width, height, QImage::Format_RGB32);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (const QColor& colour : row)
            image.setPixelColor(x++, y, colour);
        ++y;
    }
    return image;
}

TEST(MakeDisabledImageTest, MapsEveryPixelToOneOfThreeColours)
{
    // Brightness (r + g + b) of the visible pixels: 765, 0, 300 and 355; the
    // average is 1420 / 4 = 355, so only white is above it.
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const QColor grey(100, 100, 100);
    const QColor average(255, 100, 0);
    const QImage picture = Picture({{white, kKey, black}, {kKey, grey, average}});

    const QImage disabled = MakeDisabledImage(picture, kColours);

    ASSERT_EQ(disabled.size(), picture.size());
    EXPECT_EQ(disabled.pixel(0, 0), kColours.shadow.rgb());
    EXPECT_EQ(disabled.pixel(1, 0), kColours.face.rgb());
    EXPECT_EQ(disabled.pixel(2, 0), kColours.highlight.rgb());
    EXPECT_EQ(disabled.pixel(0, 1), kColours.face.rgb());
    EXPECT_EQ(disabled.pixel(1, 1), kColours.highlight.rgb());
    EXPECT_EQ(disabled.pixel(2, 1), kColours.highlight.rgb());
}

TEST(MakeDisabledImageTest, TransparentColourIsTheBottomLeftPixel)
{
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QImage picture = Picture({{red, blue}, {blue, red}});

    const QImage disabled = MakeDisabledImage(picture, kColours);

    EXPECT_EQ(TransparentColour(picture), blue.rgb());
    EXPECT_EQ(disabled.pixel(1, 0), kColours.face.rgb());
    EXPECT_EQ(disabled.pixel(0, 1), kColours.face.rgb());
    EXPECT_EQ(disabled.pixel(0, 0), kColours.highlight.rgb());
}

TEST(MakeDisabledImageTest, AllTransparentPictureBecomesFace)
{
    const QImage disabled = MakeDisabledImage(Picture({{kKey, kKey}, {kKey, kKey}}), kColours);

    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(disabled.pixel(x, y), kColours.face.rgb());
}

TEST(MakeDisabledImageTest, NoPictureGivesNone)
{
    EXPECT_TRUE(MakeDisabledImage(QImage(), kColours).isNull());
}

TEST(DrawTransparentTest, LeavesTheKeyColourOutEverywhere)
{
    const QColor background(0, 0, 200);
    const QColor ink(10, 120, 30);
    // Key colour at the bottom-left corner and in the middle of the picture.
    const QImage picture = Picture({{ink, ink, ink}, {ink, kKey, ink}, {kKey, ink, ink}});
    QImage target(8, 8, QImage::Format_RGB32);
    target.fill(background);

    {
        QPainter painter(&target);
        DrawTransparent(painter, 2, 3, QPixmap::fromImage(picture));
    }

    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const QPoint inPicture(x - 2, y - 3);
            const bool covered = QRect(0, 0, 3, 3).contains(inPicture);
            const QRgb expected = covered && picture.pixel(inPicture) != kKey.rgb()
                                      ? ink.rgb()
                                      : background.rgb();
            EXPECT_EQ(target.pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace skinwright::shell
