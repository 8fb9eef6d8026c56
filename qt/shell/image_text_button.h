// A push button that draws itself: a small picture followed by its caption,
// centred as one group, with its own pressed, focused and disabled looks.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPushButton>

class QPainter;

namespace skinwright::shell {

struct ButtonDrawState {
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
};

class ImageTextButton : public QPushButton {
    Q_OBJECT

public:
    explicit ImageTextButton(QWidget* parent = nullptr);

    // Loads bitmap resource `bitmapId` as the normal picture and computes the
    // disabled picture from it with the palette's colours of this moment.
    void SetImages(int bitmapId);

    QSize PictureSize() const;
    const QPixmap& NormalPicture() const;
    const QPixmap& DisabledPicture() const;

    // Draws the whole button for the given state into `item`, whose origin
    // is the button's top-left corner, with the painter's font.
    void DrawButton(QPainter& painter, const QRect& item, ButtonDrawState state) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawBackground(QPainter& painter, QRect& r, ButtonDrawState state) const;
    void DrawCaption(QPainter& painter, const QRect& box, bool disabled) const;

    QPixmap normalPicture_;
    QPixmap disabledPicture_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
};

}  // namespace skinwright::shell
