// Dialog templates as data: the window's title, size and font and its
// controls in tab order, with positions and sizes in dialog units. Every
// front end makes its windows from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skinwright::templates {

// Controls that the window never looks up carry this id.
inline constexpr int kNoId = -1;

enum class ControlKind {
    StaticText,         // a label
    Edit,               // single-line QLineEdit, or MultiLineEdit with style::kMultiLine
    PushButton,
    DefaultPushButton,  // the button that Enter clicks
    OwnerDrawButton,    // a QPushButton unless the caller supplies the widget
    ListView,           // report view: ReportListView with whole-row selection
    Icon,               // static picture showing the dialog's icon
    Picture,            // static picture area: image centred at its own size
};

using StyleFlags = std::uint32_t;

namespace style {
inline constexpr StyleFlags kNone = 0;
inline constexpr StyleFlags kBorder = 1u << 0;
// Static text: horizontal centring (left-aligned otherwise), vertical
// centring, and an ampersand shown as itself rather than as a mnemonic.
inline constexpr StyleFlags kCenter = 1u << 1;
inline constexpr StyleFlags kCenterVertically = 1u << 2;
inline constexpr StyleFlags kNoMnemonic = 1u << 3;
// Edit.
inline constexpr StyleFlags kMultiLine = 1u << 4;
inline constexpr StyleFlags kReadOnly = 1u << 5;
inline constexpr StyleFlags kAutoHScroll = 1u << 6;
inline constexpr StyleFlags kAutoVScroll = 1u << 7;
inline constexpr StyleFlags kVerticalScrollBar = 1u << 10;  // multi-line: always shown
// List view.
inline constexpr StyleFlags kSingleSelection = 1u << 8;
inline constexpr StyleFlags kShowSelectionAlways = 1u << 9;
}  // namespace style

using WindowFlags = std::uint32_t;

namespace window_style {
inline constexpr WindowFlags kNone = 0;
inline constexpr WindowFlags kSystemMenu = 1u << 0;
inline constexpr WindowFlags kMinimizeBox = 1u << 1;
// A taskbar button of its own: a top-level window that no other window owns,
// rather than a dialog.
inline constexpr WindowFlags kAppWindow = 1u << 2;
}  // namespace window_style

struct ControlTemplate {
    int id = kNoId;
    ControlKind kind = ControlKind::StaticText;
    StyleFlags style = style::kNone;
    std::string text;  // UTF-8
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // What a screen reader calls a control whose own text does not say what
    // it is (a "?" button, a list, a box with no label before it); empty
    // where its text or the label just before it names it.
    std::string name = {};
};

struct DialogTemplate {
    std::string title;
    int width = 0;   // client area, dialog units
    int height = 0;
    std::string fontFamily = "MS Sans Serif";
    int fontPointSize = 8;
    WindowFlags windowStyle = window_style::kSystemMenu;
    std::vector<ControlTemplate> controls;  // in tab order
};

}  // namespace skinwright::templates
