#include "image_text_button.h"

#include <QPainter>

#include "button_frames.h"
#include "behaviour/button_layout.h"
#include "res/art/art.h"
#include "transparent_picture.h"

namespace skinwright::shell {

namespace {

constexpr int kFocusInset = 3;

QColor SystemColour(const QWidget& widget, QPalette::ColorRole role)
{
    return widget.palette().color(QPalette::Active, role);
}

}  // namespace

ImageTextButton::ImageTextButton(QWidget* parent) : QPushButton(parent) {}

void ImageTextButton::SetImages(int bitmapId)
{
    normalPicture_ = art::Bitmap(bitmapId);
    pictureWidth_ = normalPicture_.width();
    pictureHeight_ = normalPicture_.height();
    const DisabledColours colours{SystemColour(*this, QPalette::Light),
                                  SystemColour(*this, QPalette::Dark),
                                  SystemColour(*this, QPalette::Button)};
    disabledPicture_ = QPixmap::fromImage(MakeDisabledImage(normalPicture_.toImage(), colours));
}

QSize ImageTextButton::PictureSize() const
{
    return {pictureWidth_, pictureHeight_};
}

const QPixmap& ImageTextButton::NormalPicture() const
{
    return normalPicture_;
}

const QPixmap& ImageTextButton::DisabledPicture() const
{
    return disabledPicture_;
}

void ImageTextButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawButton(painter, rect(), {isDown(), !isEnabled(), hasFocus()});
}

void ImageTextButton::DrawButton(QPainter& painter, const QRect& item,
                                 ButtonDrawState state) const
{
    painter.save();
    QRect r = item;
    const QString caption = text();
    const QFontMetrics metrics = painter.fontMetrics();
    const int ampersandWidth =
        caption.contains(QLatin1Char('&')) ? metrics.horizontalAdvance(QLatin1Char('&')) : 0;
    const QSize picture = PictureSize();
    const behaviour::ButtonLayout layout = behaviour::ComputeButtonLayout(
        {r.width(), r.height()}, {picture.width(), picture.height()},
        {metrics.horizontalAdvance(caption), metrics.height()}, ampersandWidth, state.pressed);

    DrawBackground(painter, r, state);
    DrawTransparent(painter, item.left() + layout.picture.x, item.top() + layout.picture.y,
                    state.disabled ? disabledPicture_ : normalPicture_);
    const QRect text(layout.text.x, layout.text.y, layout.text.width, layout.text.height);
    DrawCaption(painter, text.translated(item.topLeft()), state.disabled);
    if (state.focused)
        DrawFocusRectangle(painter, r.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset),
                           SystemColour(*this, QPalette::WindowText));
    painter.restore();
}

// Shrinks `r` by one pixel where the look has an outer line of its own.
void ImageTextButton::DrawBackground(QPainter& painter, QRect& r, ButtonDrawState state) const
{
    const QColor outline = Qt::black;
    if (state.pressed) {
        painter.fillRect(r, SystemColour(*this, QPalette::Button));
        DrawOutline(painter, r, outline);
        r.adjust(1, 1, -1, -1);
        DrawOutline(painter, r, SystemColour(*this, QPalette::Dark));
        return;
    }
    if (state.focused) {
        DrawOutline(painter, r, outline);
        r.adjust(1, 1, -1, -1);
    }
    DrawRaisedFrame(painter, r, palette());
}

// The ampersand is not drawn and underlines the letter after it; disabled,
// the caption is embossed: once in the highlight colour one pixel right and
// down, then in the shadow colour in its place.
void ImageTextButton::DrawCaption(QPainter& painter, const QRect& box, bool disabled) const
{
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    if (disabled) {
        painter.setPen(SystemColour(*this, QPalette::Light));
        painter.drawText(box.translated(1, 1), flags, text());
        painter.setPen(SystemColour(*this, QPalette::Dark));
    } else {
        painter.setPen(SystemColour(*this, QPalette::ButtonText));
    }
    painter.drawText(box, flags, text());
}

}  // namespace skinwright::shell
