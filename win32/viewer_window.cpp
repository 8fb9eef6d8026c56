#include "viewer_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "about_window.h"
#include "builder_window.h"
#include "core/resource_list.h"
#include "dropped_files.h"
#include "picture_loader.h"
#include "report_list.h"
#include "res/templates/dialog_templates.h"
#include "resource_ids.h"
#include "wide_text.h"

namespace skinwright::win32 {
namespace {

using namespace templates::viewer;

constexpr int kPathLimit = 1024;
constexpr UINT kAboutCommand = 0x0010;

behaviour::ViewerSetup ViewerSetupOf(const ProgramSetup& setup, const std::filesystem::path& startPacket)
{
    return {setup.settingsFile, setup.programFolder, setup.applicationName, startPacket, setup.portable};
}

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

}  // namespace

ViewerWindow::ViewerWindow(const ProgramSetup& setup, const std::filesystem::path& startPacket)
    : DialogWindow(templates::ViewerTemplate())
    , setup_(setup)
    , viewer_(std::make_unique<behaviour::Viewer>(static_cast<behaviour::ViewerView&>(*this), setup_.dialogs,
                                                  ViewerSetupOf(setup_, startPacket)))
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
    SendMessageW(Control(kPathField), EM_LIMITTEXT, kPathLimit, 0);
    SetUpSystemMenu();
    SetUpIcons();
    helpButton_.SetImages(SKINWRIGHT_HELP_BITMAP);
    SetUpResourceList(Control(kResourceList), "Possible Resource Name");
    DragAcceptFiles(Handle(), TRUE);
    viewer_->Start();
    SetFocus(Control(kPathField));
    return false;
}

void ViewerWindow::SetUpSystemMenu()
{
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    const std::wstring about = LoadResourceString(SKINWRIGHT_ABOUT_STRING);
    if (menu == nullptr || about.empty())
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, about.c_str());
}

void ViewerWindow::SetUpIcons()
{
    bigIcon_ = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

// Enter (IDOK) and Esc or the close box (IDCANCEL) close the window, except
// that Enter on the focused Help button clicks it: an owner-drawn button is
// not made the default by the focus.
bool ViewerWindow::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDOK:
        if (GetFocus() == Control(kHelpButton))
            viewer_->OnHelp();
        else
            Close(IDOK);
        return true;
    case IDCANCEL:
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
        viewer_->OnHelp();
        result = TRUE;
        return true;
    case WM_DROPFILES: {
        const std::vector<std::filesystem::path> files = TakeDroppedFiles(reinterpret_cast<HDROP>(wParam));
        if (viewer_->TakesDrop(files))
            viewer_->OnDrop(files);
        return true;
    }
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(bigIcon_);
        return true;
    default:
        return false;
    }
}

// A click in the list previews the row it left selected; a double click
// saves it.
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
    return false;
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

// The static control centres the picture at its own size and clips it.
void ViewerWindow::ShowPicture(const std::filesystem::path& file)
{
    const HBITMAP picture = LoadPictureBitmap(file);
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
    BuilderWindow builder(setup_);
    if (templateRows != nullptr)
        CopyFromTemplate(builder.ResourceList(), *templateRows);
    builder.RunModal(Handle());
}

}  // namespace skinwright::win32
