// A push button that draws itself: a small picture followed by its caption,
// centred as one group, with looks of its own for pressed, focused and
// disabled. The picture's bottom-left colour is left out wherever it occurs.
#pragma once

#include <windows.h>

namespace skinwright::win32 {

class ImageTextButton {
public:
    ImageTextButton() = default;
    ~ImageTextButton();
    ImageTextButton(const ImageTextButton&) = delete;
    ImageTextButton& operator=(const ImageTextButton&) = delete;

    // Takes the bitmap resource, in the size made for a window drawn at
    // `dotsPerInch`, as the picture and computes the disabled picture from it
    // in the system colours of now. Called again when the window moves to a
    // screen of another DPI.
    bool SetImages(int bitmapId, UINT dotsPerInch);
    // Draws the button as the draw-item record asks.
    void DrawButton(const DRAWITEMSTRUCT& item) const;

private:
    void DrawFrame(HDC context, RECT& frame, UINT state) const;

    HBITMAP picture_ = nullptr;
    HBITMAP disabledPicture_ = nullptr;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
};

// Draws the picture at (x, y) without the pixels of its bottom-left colour.
void DrawTransparent(HDC target, int x, int y, HBITMAP picture);

// Three colours from the system's: transparent parts the button face, parts
// brighter than the picture's average the shadow, the rest the highlight.
HBITMAP MakeDisabledImage(HBITMAP picture);

}  // namespace skinwright::win32
