#include "shell/image_text_button.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include "res/art/art.h"
#include "behaviour/button_layout.h"
#include "shell/transparent_picture.h"

namespace skinwright::shell {
namespace {

const QColor kFace(200, 190, 180);
const QColor kLight(250, 250, 240);
const QColor kMidlight(225, 220, 210);
const QColor kDark(90, 80, 70);
const QColor kShadow(20, 30, 40);
const QColor kCaption(0, 0, 128);
const QColor kFocus(1, 2, 3);
const QRgb kBlack = qRgb(0, 0, 0);

QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, kFace);
    palette.setColor(QPalette::Light, kLight);
    palette.setColor(QPalette::Midlight, kMidlight);
    palette.setColor(QPalette::Dark, kDark);
    palette.setColor(QPalette::Shadow, kShadow);
    palette.setColor(QPalette::ButtonText, kCaption);
    palette.setColor(QPalette::WindowText, kFocus);
    return palette;
}

class ImageTextButtonTest : public ::testing::Test {
protected:
    void SetUp() override { Prepare(button_, "Help", art::kHelpBitmapId); }

    static void Prepare(ImageTextButton& button, const QString& caption, int bitmapId,
                        QSize size = {100, 26})
    {
        button.setText(caption);
        button.resize(size);
        button.setPalette(TestPalette());
        QFont font = button.font();
        font.setPixelSize(11);
        button.setFont(font);
        button.SetImages(bitmapId);
    }

    // Where the layout puts the picture and the caption, in the button's pixels.
    struct ShownLayout {
        QSize content;
        QPoint origin;
        QPoint picture;
        QRect text;
    };

    static ShownLayout Layout(const ImageTextButton& button, bool pressed)
    {
        const QFontMetrics metrics(button.font());
        const QString caption = button.text();
        const int ampersand =
            caption.contains('&') ? metrics.horizontalAdvance(QLatin1Char('&')) : 0;
        const QSize picture = button.PictureSize();
        const behaviour::ButtonLayout layout = behaviour::ComputeButtonLayout(
            {button.width(), button.height()}, {picture.width(), picture.height()},
            {metrics.horizontalAdvance(caption), metrics.height()}, ampersand, pressed);
        return {QSize(layout.content.width, layout.content.height), QPoint(layout.origin.x, layout.origin.y),
                QPoint(layout.picture.x, layout.picture.y),
                QRect(layout.text.x, layout.text.y, layout.text.width, layout.text.height)};
    }

    static QImage Grab(ImageTextButton& button)
    {
        return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static QImage Draw(const ImageTextButton& button, ButtonDrawState state)
    {
        QImage image(button.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(button.font());
        button.DrawButton(painter, image.rect(), state);
        return image;
    }

    // Every visible pixel of the picture is at `at`, where it lies on the shot.
    static void ExpectPictureAt(const QImage& shot, const QPixmap& picture, QPoint at)
    {
        const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb key = TransparentColour(image);
        int checked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint target = at + QPoint(x, y);
                if (image.pixel(x, y) == key || !shot.rect().contains(target))
                    continue;
                EXPECT_EQ(shot.pixel(target), image.pixel(x, y)) << "picture pixel " << x << "," << y;
                ++checked;
            }
        }
        EXPECT_GT(checked, 0);
    }

    static int CountColour(const QImage& shot, const QRect& area, const QColor& colour)
    {
        int count = 0;
        const QRect inside = area.intersected(shot.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                count += shot.pixel(x, y) == colour.rgb() ? 1 : 0;
        return count;
    }

    ImageTextButton button_;
};

TEST_F(ImageTextButtonTest, NormalLookIsRaisedFrameWithPictureAndCaption)
{
    const QImage shot = Grab(button_);
    const int right = shot.width() - 1;
    const int bottom = shot.height() - 1;

    EXPECT_EQ(shot.pixel(0, 0), kLight.rgb());
    EXPECT_EQ(shot.pixel(1, 1), kMidlight.rgb());
    EXPECT_EQ(shot.pixel(2, 2), kFace.rgb());
    EXPECT_EQ(shot.pixel(right, bottom), kShadow.rgb());
    EXPECT_EQ(shot.pixel(right - 1, bottom - 1), kDark.rgb());
    EXPECT_EQ(shot.pixel(4, 4), kFace.rgb());

    const ShownLayout layout = Layout(button_, false);
    ExpectPictureAt(shot, button_.NormalPicture(), layout.picture);
    EXPECT_GT(CountColour(shot, layout.text, kCaption), 0);
}

TEST_F(ImageTextButtonTest, PressedLookIsFlatTwoLineOutlineAndContentMovesByOne)
{
    button_.setDown(true);
    const QImage shot = Grab(button_);
    const int right = shot.width() - 1;
    const int bottom = shot.height() - 1;

    EXPECT_EQ(shot.pixel(0, 0), kBlack);
    EXPECT_EQ(shot.pixel(right, bottom), kBlack);
    EXPECT_EQ(shot.pixel(right, 0), kBlack);
    EXPECT_EQ(shot.pixel(1, 1), kDark.rgb());
    EXPECT_EQ(shot.pixel(right - 1, bottom - 1), kDark.rgb());
    EXPECT_EQ(shot.pixel(2, 2), kFace.rgb());
    EXPECT_EQ(shot.pixel(right - 2, bottom - 2), kFace.rgb());

    const ShownLayout pressed = Layout(button_, true);
    EXPECT_EQ(pressed.picture, Layout(button_, false).picture + QPoint(1, 1));
    ExpectPictureAt(shot, button_.NormalPicture(), pressed.picture);
}

TEST_F(ImageTextButtonTest, FocusedLookHasOutlineAndFocusRectangleFourPixelsInside)
{
    for (const bool pressed : {false, true}) {
        SCOPED_TRACE(pressed ? "pressed" : "not pressed");
        const QImage shot = Draw(button_, {pressed, false, true});
        const int right = shot.width() - 1;
        const int bottom = shot.height() - 1;

        EXPECT_EQ(shot.pixel(0, 0), kBlack);
        EXPECT_EQ(shot.pixel(right, bottom), kBlack);
        EXPECT_EQ(shot.pixel(1, 1), pressed ? kDark.rgb() : kLight.rgb());
        EXPECT_EQ(shot.pixel(4, 4), kFocus.rgb());
        EXPECT_EQ(shot.pixel(6, 4), kFocus.rgb());
        EXPECT_EQ(shot.pixel(4, 6), kFocus.rgb());
        EXPECT_NE(shot.pixel(5, 4), kFocus.rgb());
        EXPECT_NE(shot.pixel(3, 3), kFocus.rgb());
        EXPECT_NE(shot.pixel(5, 5), kFocus.rgb());
        EXPECT_GT(CountColour(shot, QRect(0, bottom - 4, shot.width(), 1), kFocus), 0);
        EXPECT_EQ(CountColour(shot, QRect(0, bottom - 3, shot.width(), 1), kFocus), 0);
        EXPECT_GT(CountColour(shot, QRect(right - 4, 0, 1, shot.height()), kFocus), 0);
        EXPECT_EQ(CountColour(shot, QRect(right - 3, 0, 1, shot.height()), kFocus), 0);
    }
}

TEST_F(ImageTextButtonTest, UnfocusedLookHasNoFocusRectangle)
{
    const QImage shot = Draw(button_, {false, false, false});

    EXPECT_EQ(shot.pixel(0, 0), kLight.rgb());
    EXPECT_EQ(CountColour(shot, shot.rect(), kFocus), 0);
}

TEST_F(ImageTextButtonTest, DisabledLookHasThreeColourPictureAndEmbossedCaption)
{
    button_.setEnabled(false);
    const QImage shot = Grab(button_);

    const ShownLayout layout = Layout(button_, false);
    ExpectPictureAt(shot, button_.DisabledPicture(), layout.picture);
    EXPECT_EQ(CountColour(shot, layout.text, kCaption), 0);
    EXPECT_GT(CountColour(shot, layout.text, kLight), 0);
    EXPECT_GT(CountColour(shot, layout.text, kDark), 0);
    EXPECT_EQ(shot.pixel(4, 4), kFace.rgb());
}

TEST_F(ImageTextButtonTest, AmpersandUnderlinesNextLetterAndIsNotCentred)
{
    ImageTextButton mnemonic;
    Prepare(mnemonic, "&Help", art::kHelpBitmapId);
    const QImage plain = Grab(button_);
    const QImage marked = Grab(mnemonic);

    const QFontMetrics metrics(button_.font());
    const ShownLayout layout = Layout(button_, false);
    ASSERT_EQ(Layout(mnemonic, false).text, layout.text);
    const QRect underline(layout.text.left(), layout.text.top() + metrics.ascent(),
                          metrics.horizontalAdvance('H'), metrics.descent() + 1);

    int differences = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == marked.pixel(x, y))
                continue;
            ++differences;
            EXPECT_TRUE(underline.contains(x, y)) << "unexpected change at " << x << "," << y;
        }
    }
    EXPECT_GT(differences, 0);
}

TEST_F(ImageTextButtonTest, ContentWiderThanButtonStartsLeftOfTheEdge)
{
    ImageTextButton narrow;
    Prepare(narrow, "Generate Packet ...", art::kGenerateBitmapId);
    narrow.resize(Layout(narrow, false).content.width() - 9, 26);
    const ShownLayout layout = Layout(narrow, false);
    ASSERT_EQ(layout.origin.x(), -4);

    ExpectPictureAt(Grab(narrow), narrow.NormalPicture(), layout.picture);
}

TEST_F(ImageTextButtonTest, DisabledPictureKeepsColoursOfSetImages)
{
    button_.SetImages(art::kGenerateBitmapId);
    EXPECT_EQ(button_.PictureSize(), QSize(19, 16));

    QPalette changed = TestPalette();
    const QColor newDark(10, 100, 10);
    changed.setColor(QPalette::Button, QColor(50, 60, 70));
    changed.setColor(QPalette::Dark, newDark);
    button_.setPalette(changed);

    const QImage disabled = button_.DisabledPicture().toImage();
    EXPECT_EQ(disabled.pixel(0, disabled.height() - 1), kFace.rgb());

    button_.setDown(true);
    EXPECT_EQ(Grab(button_).pixel(1, 1), newDark.rgb());
}

TEST_F(ImageTextButtonTest, UnknownBitmapLeavesNoPicture)
{
    button_.SetImages(999);
    EXPECT_EQ(button_.PictureSize(), QSize(0, 0));
    EXPECT_EQ(Grab(button_).pixel(0, 0), kLight.rgb());
}

}  // namespace
}  // namespace skinwright::shell
