// Where the owner-drawn button puts its picture and caption: the two are laid
// side by side, 4 pixels apart, and centred in the button as one group.
#pragma once

namespace skinwright::behaviour {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct ButtonLayout {
    Size content;           // CW x CH: picture, gap and caption
    Point origin;           // x0, y0: top-left of the content, before pressing
    int pictureOffset = 0;  // vertical, zero or negative
    int textOffset = 0;     // vertical, zero or negative
    Point picture;          // where the picture's top-left corner goes
    Rect text;              // the box the caption is drawn in
};

// Divisions by two truncate toward zero, so a group wider or taller than the
// button starts left of or above its edge. ampersandWidth is the width of
// one "&" when the caption holds one (it is not drawn), else 0.
ButtonLayout ComputeButtonLayout(Size button, Size picture, Size text, int ampersandWidth, bool pressed);

// The button pictures are made at 100, 150 and 200 percent. A window drawn
// at `dotsPerInch` takes the one nearest its own scale (96 dots per inch
// being 100 percent), the larger where it lies halfway between two.
int PictureScaleFor(int dotsPerInch);

}  // namespace skinwright::behaviour
