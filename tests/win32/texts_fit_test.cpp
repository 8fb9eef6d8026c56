// The three windows at the DPI Wine was set to (tests/win32/dpi_test.sh runs
// this at 96, 144 and 192 and names it in SKINWRIGHT_TEST_DPI): every text
// fits its control in every language, measured with the control's own font,
// and the pictures are the sizes made for that DPI.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "behaviour/translation.h"
#include "res/templates/dialog_templates.h"
#include "tests/support/languages.h"
#include "tests/win32/running_windows.h"
#include "win32/about_window.h"
#include "win32/builder_window.h"
#include "win32/viewer_window.h"
#include "win32/wide_text.h"

namespace skinwright::win32 {
namespace {

int ExpectedDpi()
{
    const char* dpi = std::getenv("SKINWRIGHT_TEST_DPI");
    return dpi != nullptr ? std::atoi(dpi) : 96;
}

// Pixels at 96 dots per inch, at this test's DPI.
int Scaled(int pixels)
{
    return MulDiv(pixels, ExpectedDpi(), 96);
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

SIZE ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Measures with the font the control draws with.
class ControlFont {
public:
    explicit ControlFont(HWND control)
        : control_(control)
        , context_(GetDC(control))
        , old_(SelectObject(context_, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))))
    {
    }
    ~ControlFont()
    {
        SelectObject(context_, old_);
        ReleaseDC(control_, context_);
    }
    ControlFont(const ControlFont&) = delete;
    ControlFont& operator=(const ControlFont&) = delete;

    // One line; an ampersand underlines the letter after it unless told not to.
    SIZE Line(const std::wstring& text, bool mnemonics = true) const
    {
        RECT box = {0, 0, 0, 0};
        DrawTextW(context_, text.c_str(), -1, &box,
                  DT_CALCRECT | DT_SINGLELINE | (mnemonics ? 0u : static_cast<UINT>(DT_NOPREFIX)));
        return {box.right, box.bottom};
    }
    // Lines broken between words to the width, as a static control breaks them.
    SIZE Wrapped(const std::wstring& text, int width) const
    {
        RECT box = {0, 0, width, 0};
        DrawTextW(context_, text.c_str(), -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        return {box.right, box.bottom};
    }

private:
    HWND control_;
    HDC context_;
    HGDIOBJ old_;
};

// What a window's check found that does not fit: one line per text.
using Findings = std::vector<std::string>;

void Report(Findings& findings, HWND window, const std::wstring& text, SIZE needed, SIZE room)
{
    if (needed.cx <= room.cx && needed.cy <= room.cy)
        return;
    findings.push_back(Utf8FromWide(TextOf(GetAncestor(window, GA_ROOT))) + ": \"" + Utf8FromWide(text)
                       + "\" needs " + std::to_string(needed.cx) + "x" + std::to_string(needed.cy) + " pixels, has "
                       + std::to_string(room.cx) + "x" + std::to_string(room.cy));
}

// The widest text a number column shows: "0x" and eight of the widest digit.
std::wstring WidestNumber(const ControlFont& font)
{
    wchar_t widest = L'0';
    for (const wchar_t digit : std::wstring(L"0123456789ABCDEF")) {
        if (font.Line(std::wstring(1, digit)).cx > font.Line(std::wstring(1, widest)).cx)
            widest = digit;
    }
    return L"0x" + std::wstring(8, widest);
}

// Headings and number cells within their columns, with the list's margins
// of 6 pixels (at 96 DPI) each side.
void CheckList(HWND list, Findings& findings)
{
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const ControlFont headerFont(header);
    const ControlFont cellFont(list);
    const int rowHeight = cellFont.Line(L"Xg").cy;
    const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) {
        wchar_t heading[128] = {};
        HDITEMW item = {};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = heading;
        item.cchTextMax = 128;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        const SIZE room = {item.cxy - 2 * Scaled(6), ClientSize(header).cy};
        Report(findings, list, heading, headerFont.Line(heading, false), room);
        if (column > 0)
            Report(findings, list, WidestNumber(cellFont), cellFont.Line(WidestNumber(cellFont), false),
                   {room.cx, rowHeight});
    }
}

void CheckControl(HWND control, Findings& findings)
{
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring text = TextOf(control);
    const SIZE room = ClientSize(control);
    const ControlFont font(control);
    if (kind == WC_LISTVIEWW) {
        CheckList(control, findings);
    } else if (kind == L"Static" && !text.empty() && (style & SS_TYPEMASK) != SS_ICON) {
        // A centred-vertically static holds one line; others break theirs.
        const bool oneLine = (style & SS_CENTERIMAGE) != 0 || (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP;
        Report(findings, control, text, oneLine ? font.Line(text) : font.Wrapped(text, room.cx), room);
    } else if (kind == L"Button" && (style & BS_TYPEMASK) == BS_OWNERDRAW) {
        // The picture (up to 38 pixels wide at 200 percent), the gap and the
        // caption, inside the focus rectangle 4 pixels in from the edge.
        const SIZE caption = font.Line(text);
        const int pictureWidth = Scaled(19);
        Report(findings, control, text, {pictureWidth + 4 + caption.cx, caption.cy}, {room.cx - 8, room.cy - 8});
    } else if (kind == L"Edit" && (style & ES_MULTILINE) != 0 && (style & ES_READONLY) != 0) {
        // Each line of a text shown whole, without scrolling sideways,
        // inside the edit's margins.
        const LRESULT margins = SendMessageW(control, EM_GETMARGINS, 0, 0);
        const int width = room.cx - LOWORD(margins) - HIWORD(margins);
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find(L"\r\n", at), text.size());
            const std::wstring line = text.substr(at, end - at);
            Report(findings, control, line, font.Line(line, false), {width, room.cy});
            at = end + 2;
        }
    } else if (kind == L"Button") {
        // Inside the raised frame, two edges each side.
        const int edge = 2 * GetSystemMetrics(SM_CXEDGE);
        Report(findings, control, text, font.Line(text), {room.cx - 2 * edge, room.cy - 2 * edge});
    }
}

Findings CheckWindow(HWND window)
{
    Findings findings;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        CheckControl(child, findings);
    return findings;
}

// The rows, from the top, in which a colour is drawn within a control.
int RowsHolding(HWND control, COLORREF colour)
{
    const SIZE size = ClientSize(control);
    const HDC window = GetDC(control);
    const HDC copy = CreateCompatibleDC(window);
    const HBITMAP bitmap = CreateCompatibleBitmap(window, size.cx, size.cy);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy), PRF_CLIENT);
    int first = -1, last = -1;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (GetPixel(copy, x, y) == colour) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(control, window);
    return first < 0 ? 0 : last - first + 1;
}

using TextsFit = RunningWindows<::testing::TestWithParam<std::string>>;

using TheScreen = TextsFit;

TEST_F(TheScreen, TheDpiIsTheOneSet)
{
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), ExpectedDpi());
    ReleaseDC(nullptr, screen);
}

// Each window runs modally as the program runs it; its texts are checked
// once it stands.
TEST_P(TextsFit, EveryTextOfEachWindowFits)
{
    behaviour::UseLanguage(GetParam());
    const struct {
        const templates::DialogTemplate& dialog;
        std::function<void()> run;
    } windows[] = {
        {templates::ViewerTemplate(), [&] { ViewerWindow(setup_, dialogs_).RunModal(nullptr); }},
        {templates::BuilderTemplate(), [&] { BuilderWindow(setup_, dialogs_).RunModal(nullptr); }},
        {templates::AboutTemplate(), [] { ShowAboutWindow(nullptr); }},
    };
    for (const auto& window : windows) {
        Findings findings;
        WhenShown check(WideFromUtf8(behaviour::Tr(window.dialog.title)),
                        [&](HWND shown) { findings = CheckWindow(shown); });
        window.run();
        ASSERT_TRUE(check.Ran()) << window.dialog.title;
        EXPECT_EQ(findings, Findings{}) << window.dialog.title;
    }
}

// The question mark of the Help button is 13 pixels tall as drawn for
// 96 DPI, 21 as drawn for 144 and 26, every pixel doubled, for 192; the
// window's icons are those of the DPI's sizes.
INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, ::testing::ValuesIn(test::EveryLanguage()), test::LanguageName());

TEST_F(TheScreen, TheViewersPicturesAreMadeForTheDpi)
{
    const struct {
        int dpi;
        int questionMarkRows;
        int smallIcon;
        int bigIcon;
    } sizes[] = {{96, 13, 16, 32}, {144, 21, 24, 48}, {192, 26, 32, 64}};
    int rows = 0;
    SIZE small = {}, big = {};
    WhenShown check(WideFromUtf8(templates::ViewerTemplate().title), [&](HWND window) {
        rows = RowsHolding(GetDlgItem(window, templates::viewer::kHelpButton), RGB(255, 255, 0));
        for (auto [kind, size] : {std::pair{ICON_SMALL, &small}, std::pair{ICON_BIG, &big}}) {
            ICONINFO icon = {};
            GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0)), &icon);
            BITMAP facts = {};
            GetObjectW(icon.hbmColor, sizeof facts, &facts);
            *size = {facts.bmWidth, facts.bmHeight};
            DeleteObject(icon.hbmColor);
            DeleteObject(icon.hbmMask);
        }
    });
    ViewerWindow(setup_, dialogs_).RunModal(nullptr);
    ASSERT_TRUE(check.Ran());
    for (const auto& expected : sizes) {
        if (expected.dpi != ExpectedDpi())
            continue;
        EXPECT_EQ(rows, expected.questionMarkRows);
        EXPECT_EQ(small.cx, expected.smallIcon);
        EXPECT_EQ(big.cx, expected.bigIcon);
    }
}

}  // namespace
}  // namespace skinwright::win32
