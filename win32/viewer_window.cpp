#include "viewer_window.h"

#include <commctrl.h>

#include "about_window.h"
#include "accessible_name.h"
#include "builder_window.h"
#include "core/resource_list.h"
#include "dpi.h"
#include "drag_source.h"
#include "drop_target.h"
#include "picture_loader.h"
#include "behaviour/shown_controls.h"
#include "behaviour/translation.h"
#include "report_list.h"
#include "select_all_field.h"
#include "res/templates/dialog_templates.h"
#include "resource_ids.h"
#include "wide_text.h"

namespace skinwright::win32 {
namespace {

using namespace templates::viewer;

constexpr UINT kAboutCommand = 0x0010;
// Posted while the window is made, taken once it shows.
constexpr UINT kStartMessage = WM_APP + 1;

HICON LoadProgramIcon(int size)
{
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(SKINWRIGHT_ICON), IMAGE_ICON, size, size, 0));
}

std::wstring LoadResourceString(UINT id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

// Windows hands F1 in an owned window (the About window, a message box, a
// common dialog, the Builder) on to its owner. Only F1 in the Viewer itself
// or one of its controls asks for help, and only while no window of ours
// holds the Viewer disabled under it.
bool IsOwnHelpRequest(HWND viewer, const HELPINFO& help)
{
    const auto item = static_cast<HWND>(help.hItemHandle);
    return help.iContextType == HELPINFO_WINDOW && IsWindowEnabled(viewer)
        && (item == viewer || IsChild(viewer, item));
}

}  // namespace

ViewerWindow::ViewerWindow(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs)
    : DialogWindow(templates::ViewerTemplate())
    , setup_(setup)
    , dialogs_(dialogs)
    , viewer_(std::make_unique<behaviour::Viewer>(static_cast<behaviour::ViewerView&>(*this), dialogs_, setup_))
{
}

ViewerWindow::~ViewerWindow()
{
    viewer_->Finish();
    if (preview_ != nullptr)
        DeleteObject(preview_);
    for (HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr)
            DestroyIcon(icon);
    }
}

bool ViewerWindow::OnInitialize()
{
    SendMessageW(Control(kPathField), EM_LIMITTEXT, behaviour::kPathFieldLimit, 0);
    SelectAllOnCtrlA(Control(kPathField));
    SetUpSystemMenu();
    SetUpPictures();
    SetUpResourceList(Control(kResourceList), behaviour::kViewerColumns);
    // The modal loop would show the window only once no message waits: it
    // is shown and drawn now, and the start waits for the loop. The path
    // field, first in the tab order, takes the keyboard.
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    PostMessageW(Handle(), kStartMessage, 0, 0);
    return true;
}

// What the window does not need to show comes after it shows: OLE (with the
// libraries it loads) for drops, then the packet.
void ViewerWindow::StartAfterShowing()
{
    ole_.emplace();
    // A packet dropped anywhere on the window opens; anything else is
    // refused while it is dragged, and so is a row of its own list.
    AcceptFileDrops(Handle(), {[this](const DroppedFiles& files) { return !dragsRow_ && viewer_->TakesDrop(files); },
                               [this](const DroppedFiles& files) { viewer_->OnDrop(files); }});
    viewer_->Start();
}

void ViewerWindow::SetUpSystemMenu()
{
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    // The string table holds the English text, the key of its translations.
    const std::wstring about = WideFromUtf8(behaviour::Tr(Utf8FromWide(LoadResourceString(SKINWRIGHT_ABOUT_STRING))));
    if (menu == nullptr || about.empty())
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, about.c_str());
}

// The icons and the Help button's picture in the sizes made for the DPI the
// window is drawn at.
void ViewerWindow::SetUpPictures()
{
    const UINT dpi = WindowDpi(Handle());
    const HICON oldBig = bigIcon_;
    const HICON oldSmall = smallIcon_;
    bigIcon_ = LoadProgramIcon(SystemMetricForDpi(SM_CXICON, dpi));
    smallIcon_ = LoadProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    for (HICON icon : {oldBig, oldSmall}) {
        if (icon != nullptr)
            DestroyIcon(icon);
    }
    helpButton_.SetImages(SKINWRIGHT_HELP_BITMAP, dpi);
}

// Enter (IDOK) and Esc or the close box (IDCANCEL) go to the Viewer, which
// says whether the window closes, except that Enter on the focused Help
// button clicks it: an owner-drawn button is not made the default by the
// focus.
bool ViewerWindow::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDOK:
        if (GetFocus() == Control(kHelpButton))
            viewer_->OnHelp();
        else if (viewer_->ClosesOn(behaviour::ClosingKey::Enter))
            Close(IDOK);
        return true;
    case IDCANCEL:
        if (viewer_->ClosesOn(behaviour::ClosingKey::Escape))
            Close(IDCANCEL);
        return true;
    case kPathField:
        if (code == EN_CHANGE)
            viewer_->OnPathChanged(PathText());
        return true;
    case kPickButton:
        viewer_->OnPickPacket();
        return true;
    case kSaveAsButton:
        viewer_->OnSaveAs();
        return true;
    case kSaveAllButton:
        viewer_->OnSaveAll();
        return true;
    case kBuildButton:
        viewer_->OnBuildNewPacket();
        return true;
    case kHelpButton:
        viewer_->OnHelp();
        return true;
    default:
        return false;
    }
}

bool ViewerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
        if (wParam != kHelpButton)
            return false;
        helpButton_.DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != kAboutCommand)
            return false;
        viewer_->OnHelp();
        return true;
    case WM_HELP:
        if (IsOwnHelpRequest(Handle(), *reinterpret_cast<const HELPINFO*>(lParam)))
            viewer_->OnHelp();
        result = TRUE;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(bigIcon_);
        return true;
    case kStartMessage:
        StartAfterShowing();
        return true;
    case WM_DPICHANGED:
        // The dialog manager goes on to scale the window and its fonts.
        SetUpPictures();
        return false;
    default:
        return false;
    }
}

// A click in the list previews the row it left selected, and so does a
// selection moved by the keyboard; a double click saves it. A row dragged
// out carries its picture as a file.
bool ViewerWindow::OnNotify(const NMHDR& notice)
{
    if (notice.idFrom != kResourceList)
        return false;
    if (notice.code == NM_CLICK) {
        viewer_->OnListClick();
        return true;
    }
    if (notice.code == NM_DBLCLK) {
        viewer_->OnSaveAs();
        return true;
    }
    if (notice.code == LVN_BEGINDRAG) {
        DragRowOut();
        return true;
    }
    if (notice.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
        if ((change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0
            && (change.uOldState & LVIS_SELECTED) == 0)
            viewer_->OnSelectionMoved();
        return true;
    }
    return false;
}

// The drag holds the mouse and the keyboard until it ends.
void ViewerWindow::DragRowOut()
{
    const std::optional<std::filesystem::path> picture = viewer_->ExportForDrag();
    if (!picture)
        return;
    dragsRow_ = true;
    DragFileOut(*picture);
    dragsRow_ = false;
}

void ViewerWindow::Close(int result)
{
    viewer_->Finish();
    End(result);
}

behaviour::WindowHandle ViewerWindow::Window()
{
    return Handle();
}

std::string ViewerWindow::PathText() const
{
    return ControlText(kPathField);
}

void ViewerWindow::SetPathText(const std::string& text)
{
    SetControlText(kPathField, text);
}

void ViewerWindow::BeginRows()
{
    win32::BeginRows(Control(kResourceList));
}

void ViewerWindow::AddRow(const ResourceEntry& row)
{
    AppendRow(Control(kResourceList), row);
}

void ViewerWindow::EndRows()
{
    win32::EndRows(Control(kResourceList));
}

int ViewerWindow::SelectedRow() const
{
    return win32::SelectedRow(Control(kResourceList));
}

void ViewerWindow::SetStatus(const std::string& text)
{
    SetControlText(kStatusLine, text);
}

// A list view draws its rows alike enabled or not: disabled, they are drawn
// in the grey of disabled text.
void ViewerWindow::SetRowsEnabled(bool enabled)
{
    const HWND list = Control(kResourceList);
    EnableWindow(list, enabled ? TRUE : FALSE);
    ListView_SetTextColor(list, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    InvalidateRect(list, nullptr, TRUE);
}

// The static control centres the picture at its own size and clips it.
void ViewerWindow::ShowPicture(const std::filesystem::path& file, const std::string& description)
{
    SetPicture(LoadPictureBitmap(file));
    SetAccessibleName(Control(kPictureArea), WideFromUtf8(description));
}

void ViewerWindow::ClearPicture()
{
    SetPicture(nullptr);
    SetAccessibleName(Control(kPictureArea), WideFromUtf8(behaviour::Tr(kNoPictureName)));
}

void ViewerWindow::SetPicture(HBITMAP picture)
{
    // Common controls 6 show a copy of a bitmap with an alpha channel and
    // hand that copy back, the caller's to delete.
    const auto shown = reinterpret_cast<HBITMAP>(
        SendMessageW(Control(kPictureArea), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (shown != nullptr && shown != preview_)
        DeleteObject(shown);
    if (preview_ != nullptr)
        DeleteObject(preview_);
    preview_ = picture;
    InvalidateRect(Control(kPictureArea), nullptr, TRUE);
}

void ViewerWindow::Repaint()
{
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ViewerWindow::ShowAbout()
{
    ShowAboutWindow(Handle());
}

// A fresh Builder for each click, shown modally and discarded.
void ViewerWindow::RunBuilder(const ResourceTable* templateRows)
{
    BuilderWindow builder(setup_, dialogs_);
    if (templateRows != nullptr)
        CopyFromTemplate(builder.ResourceList(), *templateRows);
    builder.RunModal(Handle());
}

}  // namespace skinwright::win32
