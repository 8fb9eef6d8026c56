#include "memory_template.h"

#include <commctrl.h>

#include "behaviour/translation.h"
#include "resource_ids.h"
#include "wide_text.h"

namespace skinwright::win32 {
namespace {

using templates::ControlKind;
namespace style = templates::style;

// The predefined window classes a template names by number.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

bool Has(templates::StyleFlags flags, templates::StyleFlags flag)
{
    return (flags & flag) != 0;
}

DWORD DialogStyle(const templates::DialogTemplate& dialog)
{
    DWORD windowStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
    if ((dialog.windowStyle & templates::window_style::kSystemMenu) != 0)
        windowStyle |= WS_SYSMENU;
    if ((dialog.windowStyle & templates::window_style::kMinimizeBox) != 0)
        windowStyle |= WS_MINIMIZEBOX;
    return windowStyle;
}

DWORD StaticTextStyle(templates::StyleFlags flags)
{
    DWORD windowStyle = Has(flags, style::kCenter) ? SS_CENTER : SS_LEFT;
    if (Has(flags, style::kCenterVertically))
        windowStyle |= SS_CENTERIMAGE;
    if (Has(flags, style::kNoMnemonic))
        windowStyle |= SS_NOPREFIX;
    return windowStyle;
}

// A multi-line box takes Enter for a line break itself.
DWORD EditStyle(templates::StyleFlags flags)
{
    DWORD windowStyle = ES_LEFT | WS_TABSTOP;
    if (Has(flags, style::kMultiLine))
        windowStyle |= ES_MULTILINE | ES_WANTRETURN;
    if (Has(flags, style::kReadOnly))
        windowStyle |= ES_READONLY;
    if (Has(flags, style::kAutoHScroll))
        windowStyle |= ES_AUTOHSCROLL;
    if (Has(flags, style::kAutoVScroll))
        windowStyle |= ES_AUTOVSCROLL;
    if (Has(flags, style::kVerticalScrollBar))
        windowStyle |= WS_VSCROLL;
    return windowStyle;
}

DWORD ListStyle(templates::StyleFlags flags)
{
    DWORD windowStyle = LVS_REPORT | WS_TABSTOP;
    if (Has(flags, style::kSingleSelection))
        windowStyle |= LVS_SINGLESEL;
    if (Has(flags, style::kShowSelectionAlways))
        windowStyle |= LVS_SHOWSELALWAYS;
    return windowStyle;
}

DWORD ControlStyle(const templates::ControlTemplate& control)
{
    DWORD windowStyle = WS_CHILD | WS_VISIBLE;
    if (Has(control.style, style::kBorder))
        windowStyle |= WS_BORDER;
    switch (control.kind) {
    case ControlKind::StaticText:
        return windowStyle | StaticTextStyle(control.style);
    case ControlKind::Edit:
        return windowStyle | EditStyle(control.style);
    case ControlKind::PushButton:
        return windowStyle | BS_PUSHBUTTON | WS_TABSTOP;
    case ControlKind::DefaultPushButton:
        return windowStyle | BS_DEFPUSHBUTTON | WS_TABSTOP;
    case ControlKind::OwnerDrawButton:
        return windowStyle | BS_OWNERDRAW | WS_TABSTOP;
    case ControlKind::ListView:
        return windowStyle | ListStyle(control.style);
    case ControlKind::Icon:
        return windowStyle | SS_ICON;
    case ControlKind::Picture:
        return windowStyle | SS_BITMAP | SS_CENTERIMAGE;
    }
    return windowStyle;
}

// A control that the window never looks up gets the id that Windows
// templates give such statics.
WORD ControlId(int id)
{
    return id == templates::kNoId ? static_cast<WORD>(0xFFFF) : static_cast<WORD>(id);
}

short Units(int value)
{
    return static_cast<short>(value);
}

}  // namespace

MemoryTemplate::MemoryTemplate(const templates::DialogTemplate& dialog)
{
    AddDword(DialogStyle(dialog));
    const bool ownTaskbarButton = (dialog.windowStyle & templates::window_style::kAppWindow) != 0;
    AddDword(ownTaskbarButton ? WS_EX_APPWINDOW : 0);
    Add(static_cast<WORD>(dialog.controls.size()));
    Add(0);  // x and y: centred at showing
    Add(0);
    Add(static_cast<WORD>(Units(dialog.width)));
    Add(static_cast<WORD>(Units(dialog.height)));
    Add(0);  // no menu
    Add(0);  // the dialog class
    AddText(WideFromUtf8(behaviour::Tr(dialog.title)));
    Add(static_cast<WORD>(dialog.fontPointSize));
    AddText(WideFromUtf8(dialog.fontFamily));
    for (const templates::ControlTemplate& control : dialog.controls)
        AddControl(control);
}

void MemoryTemplate::AddControl(const templates::ControlTemplate& control)
{
    AlignToDword();
    AddDword(ControlStyle(control));
    AddDword(0);
    for (int value : {control.x, control.y, control.width, control.height})
        Add(static_cast<WORD>(Units(value)));
    Add(ControlId(control.id));
    switch (control.kind) {
    case ControlKind::StaticText:
    case ControlKind::Icon:
    case ControlKind::Picture:
        Add(0xFFFF);
        Add(kStaticClass);
        break;
    case ControlKind::Edit:
        Add(0xFFFF);
        Add(kEditClass);
        break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::OwnerDrawButton:
        Add(0xFFFF);
        Add(kButtonClass);
        break;
    case ControlKind::ListView:
        AddText(WC_LISTVIEWW);
        break;
    }
    if (control.kind == ControlKind::Icon) {
        Add(0xFFFF);  // the icon resource by number
        Add(SKINWRIGHT_ICON);
    } else {
        AddText(WideFromUtf8(behaviour::Tr(control.text)));
    }
    Add(0);  // no creation data
}

void MemoryTemplate::Add(WORD word)
{
    words_.push_back(word);
}

void MemoryTemplate::AddDword(DWORD value)
{
    Add(LOWORD(value));
    Add(HIWORD(value));
}

void MemoryTemplate::AddText(const std::wstring& text)
{
    for (wchar_t character : text)
        Add(static_cast<WORD>(character));
    Add(0);
}

void MemoryTemplate::AlignToDword()
{
    if (words_.size() % 2 != 0)
        Add(0);
}

}  // namespace skinwright::win32
