#include "res/art/art.h"

#include <gtest/gtest.h>

namespace skinwright::art {
namespace {

TEST(ArtTest, BitmapsHaveTheirSizesAndAGreyTransparentCorner)
{
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    for (const auto& [id, size] : {std::pair{kGenerateBitmapId, QSize(19, 16)},
                                   std::pair{kHelpBitmapId, QSize(16, 15)}}) {
        SCOPED_TRACE(id);
        const QImage bitmap = Bitmap(id).toImage();
        ASSERT_EQ(bitmap.size(), size);
        EXPECT_EQ(bitmap.pixel(0, size.height() - 1) | 0xFF000000u, grey);
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
