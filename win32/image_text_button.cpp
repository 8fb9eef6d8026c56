#include "image_text_button.h"

#include <string>

#include "behaviour/button_layout.h"
#include "resource_ids.h"

namespace skinwright::win32 {
namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP facts = {};
    GetObjectW(bitmap, sizeof facts, &facts);
    return {facts.bmWidth, facts.bmHeight};
}

int Brightness(COLORREF colour)
{
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
}

std::wstring CaptionOf(HWND button)
{
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(button)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(button, caption.data(), static_cast<int>(caption.size()))));
    return caption;
}

SIZE TextExtent(HDC context, const std::wstring& text)
{
    SIZE extent = {};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

static_assert(SKINWRIGHT_GENERATE_BITMAP + SKINWRIGHT_BITMAP_AT_150 == SKINWRIGHT_GENERATE_BITMAP_150);
static_assert(SKINWRIGHT_GENERATE_BITMAP + SKINWRIGHT_BITMAP_AT_200 == SKINWRIGHT_GENERATE_BITMAP_200);
static_assert(SKINWRIGHT_HELP_BITMAP + SKINWRIGHT_BITMAP_AT_150 == SKINWRIGHT_HELP_BITMAP_150);
static_assert(SKINWRIGHT_HELP_BITMAP + SKINWRIGHT_BITMAP_AT_200 == SKINWRIGHT_HELP_BITMAP_200);

int ScaledBitmapId(int bitmapId, UINT dotsPerInch)
{
    switch (behaviour::PictureScaleFor(static_cast<int>(dotsPerInch))) {
    case 150:
        return bitmapId + SKINWRIGHT_BITMAP_AT_150;
    case 200:
        return bitmapId + SKINWRIGHT_BITMAP_AT_200;
    default:
        return bitmapId;
    }
}

}  // namespace

ImageTextButton::~ImageTextButton()
{
    if (picture_ != nullptr)
        DeleteObject(picture_);
    if (disabledPicture_ != nullptr)
        DeleteObject(disabledPicture_);
}

bool ImageTextButton::SetImages(int bitmapId, UINT dotsPerInch)
{
    if (picture_ != nullptr)
        DeleteObject(picture_);
    if (disabledPicture_ != nullptr)
        DeleteObject(disabledPicture_);
    disabledPicture_ = nullptr;
    picture_ = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ScaledBitmapId(bitmapId, dotsPerInch)));
    if (picture_ == nullptr) {
        pictureWidth_ = pictureHeight_ = 0;
        return true;
    }
    const SIZE size = BitmapSize(picture_);
    pictureWidth_ = size.cx;
    pictureHeight_ = size.cy;
    disabledPicture_ = MakeDisabledImage(picture_);
    return true;
}

void ImageTextButton::DrawButton(const DRAWITEMSTRUCT& item) const
{
    RECT frame = item.rcItem;
    const HDC context = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;

    const std::wstring caption = CaptionOf(item.hwndItem);
    const SIZE text = TextExtent(context, caption);
    const int ampersand = caption.find(L'&') != std::wstring::npos ? TextExtent(context, L"&").cx : 0;
    const behaviour::ButtonLayout layout = behaviour::ComputeButtonLayout(
        {frame.right - frame.left, frame.bottom - frame.top}, {pictureWidth_, pictureHeight_}, {text.cx, text.cy},
        ampersand, pressed);

    DrawFrame(context, frame, item.itemState);
    const HBITMAP picture = disabled ? disabledPicture_ : picture_;
    if (picture != nullptr)
        DrawTransparent(context, layout.picture.x, layout.picture.y, picture);
    DrawStateW(context, nullptr, nullptr, reinterpret_cast<LPARAM>(caption.c_str()), 0, layout.text.x, layout.text.y,
               layout.text.width, layout.text.height, DST_PREFIXTEXT | (disabled ? DSS_DISABLED : DSS_NORMAL));
    if (focused) {
        RECT focus = frame;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(context, &focus);
    }
}

// Not pressed: the raised frame, with a black outline when focused. Pressed:
// a dark outer line, a shadow-coloured inner line and a flat face.
void ImageTextButton::DrawFrame(HDC context, RECT& frame, UINT state) const
{
    if ((state & ODS_SELECTED) == 0) {
        if ((state & ODS_FOCUS) != 0) {
            Rectangle(context, frame.left, frame.top, frame.right, frame.bottom);
            InflateRect(&frame, -1, -1);
        }
        DrawFrameControl(context, &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
        return;
    }
    const HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    const HGDIOBJ oldBrush = SelectObject(context, face);
    Rectangle(context, frame.left, frame.top, frame.right, frame.bottom);
    const HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    const HGDIOBJ oldPen = SelectObject(context, shadow);
    InflateRect(&frame, -1, -1);
    Rectangle(context, frame.left, frame.top, frame.right, frame.bottom);
    SelectObject(context, oldPen);
    SelectObject(context, oldBrush);
    DeleteObject(shadow);
    DeleteObject(face);
}

void DrawTransparent(HDC target, int x, int y, HBITMAP picture)
{
    const SIZE size = BitmapSize(picture);
    const COLORREF oldBackground = SetBkColor(target, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    const HDC image = CreateCompatibleDC(target);
    const HDC mask = CreateCompatibleDC(target);
    const HGDIOBJ oldImage = SelectObject(image, picture);
    const HBITMAP maskBitmap = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
    const HGDIOBJ oldMask = SelectObject(mask, maskBitmap);

    SetBkColor(image, GetPixel(image, 0, size.cy - 1));
    BitBlt(mask, 0, 0, size.cx, size.cy, image, 0, 0, SRCCOPY);
    BitBlt(target, x, y, size.cx, size.cy, image, 0, 0, SRCINVERT);
    BitBlt(target, x, y, size.cx, size.cy, mask, 0, 0, SRCAND);
    BitBlt(target, x, y, size.cx, size.cy, image, 0, 0, SRCINVERT);

    SelectObject(mask, oldMask);
    SelectObject(image, oldImage);
    DeleteObject(maskBitmap);
    DeleteDC(mask);
    DeleteDC(image);
    SetTextColor(target, oldText);
    SetBkColor(target, oldBackground);
}

HBITMAP MakeDisabledImage(HBITMAP picture)
{
    const SIZE size = BitmapSize(picture);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    const HDC screen = GetDC(nullptr);
    const HDC source = CreateCompatibleDC(screen);
    const HDC target = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ oldSource = SelectObject(source, picture);
    const HBITMAP disabled = CreateCompatibleBitmap(source, size.cx, size.cy);
    const HGDIOBJ oldTarget = SelectObject(target, disabled);

    const COLORREF transparent = GetPixel(source, 0, size.cy - 1);
    long long sum = 0;
    long long count = 0;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF colour = GetPixel(source, x, y);
            if (colour != transparent) {
                sum += Brightness(colour);
                ++count;
            }
        }
    }
    const long long average = count > 0 ? sum / count : 0;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF colour = GetPixel(source, x, y);
            COLORREF result = highlight;
            if (colour == transparent)
                result = face;
            else if (Brightness(colour) > average)
                result = shadow;
            SetPixel(target, x, y, result);
        }
    }

    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteDC(target);
    DeleteDC(source);
    return disabled;
}

}  // namespace skinwright::win32
