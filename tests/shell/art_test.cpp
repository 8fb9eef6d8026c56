#include "res/art/art.h"

#include <gtest/gtest.h>

namespace skinwright::art {
namespace {

// The bottom-left pixel is the colour a button leaves out: the tick stands
// on white, the question mark on grey.
TEST(ArtTest, BitmapsHaveTheirSizesAndTransparentCorners)
{
    const struct {
        int id;
        QSize size;
        QRgb corner;
    } bitmaps[] = {
        {kGenerateBitmapId, QSize(19, 16), qRgb(0xFF, 0xFF, 0xFF)},
        {kHelpBitmapId, QSize(16, 15), qRgb(0xC0, 0xC0, 0xC0)},
    };
    for (const auto& bitmap : bitmaps) {
        SCOPED_TRACE(bitmap.id);
        const QImage image = Bitmap(bitmap.id).toImage();
        ASSERT_EQ(image.size(), bitmap.size);
        EXPECT_EQ(image.pixel(0, bitmap.size.height() - 1) | 0xFF000000u, bitmap.corner);
    }
}

TEST(ArtTest, UnknownBitmapIsNull)
{
    EXPECT_TRUE(Bitmap(999).isNull());
}

TEST(ArtTest, AppIconHasBothSizes)
{
    const QIcon icon = AppIcon();
    for (const int side : {16, 32}) {
        const QPixmap pixmap = icon.pixmap(side, side);
        EXPECT_EQ(pixmap.size(), QSize(side, side));
        EXPECT_TRUE(pixmap.hasAlpha());
    }
}

}  // namespace
}  // namespace skinwright::art
