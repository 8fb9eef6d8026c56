#include "builder_window.h"

#include <commctrl.h>

#include "dpi.h"
#include "drop_target.h"
#include "behaviour/shown_controls.h"
#include "report_list.h"
#include "res/templates/dialog_templates.h"
#include "resource_ids.h"

namespace skinwright::win32 {
using namespace templates::builder;

BuilderWindow::BuilderWindow(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs)
    : DialogWindow(templates::BuilderTemplate())
    , builder_(std::make_unique<behaviour::Builder>(static_cast<behaviour::BuilderView&>(*this), dialogs, setup))
{
}

BuilderWindow::~BuilderWindow()
{
    builder_->Finish();
}

bool BuilderWindow::OnInitialize()
{
    SendMessageW(Control(kWorkFolderBox), EM_LIMITTEXT, behaviour::kWorkFolderLimit, 0);
    SendMessageW(Control(kCommentsBox), EM_LIMITTEXT, behaviour::kCommentsLimit, 0);
    generateButton_.SetImages(SKINWRIGHT_GENERATE_BITMAP, WindowDpi(Handle()));

    const HWND list = Control(kResourceList);
    SetUpResourceList(list, behaviour::kBuilderColumns);
    // Files dropped on the list are added as the picker's are, or refused
    // with their reasons.
    AcceptFileDrops(list, {[](const DroppedFiles&) { return true; },
                           [this](const DroppedFiles& files) { builder_->AddPictures(files); }});
    builder_->Start();
    SetFocus(list);
    return false;
}

// Enter (IDOK) and Esc or the close box (IDCANCEL) go to the Builder, which
// says whether the window closes, except that Enter on the focused Generate
// button clicks it: an owner-drawn button is not made the default by the
// focus.
bool BuilderWindow::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDOK:
        if (GetFocus() == Control(kGenerateButton)) {
            builder_->GeneratePacket();
        } else if (builder_->ClosesOn(behaviour::ClosingKey::Enter)) {
            Close(IDOK);
        }
        return true;
    case IDCANCEL:
        if (builder_->ClosesOn(behaviour::ClosingKey::Escape))
            Close(IDCANCEL);
        return true;
    case kCommentsBox:
        if (code == EN_CHANGE)
            builder_->OnCommentsChanged(CommentsText());
        return true;
    case kPickFolderButton:
        builder_->OnChooseWorkFolder();
        return true;
    case kAddButton:
        builder_->OnAddResource();
        return true;
    case kRemoveButton:
        builder_->OnRemove();
        return true;
    case kRemoveAllButton:
        builder_->OnRemoveAll();
        return true;
    case kGenerateButton:
        builder_->GeneratePacket();
        return true;
    default:
        return false;
    }
}

// F1 here, or in a dialog over the Builder, goes no further: Windows would
// hand it on to the Viewer, whose About window does not belong over a task.
bool BuilderWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_HELP) {
        result = TRUE;
        return true;
    }
    // The dialog manager goes on to scale the window and its fonts.
    if (message == WM_DPICHANGED) {
        generateButton_.SetImages(SKINWRIGHT_GENERATE_BITMAP, WindowDpi(Handle()));
        return false;
    }
    if (message != WM_DRAWITEM || wParam != kGenerateButton)
        return false;
    generateButton_.DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void BuilderWindow::Close(int result)
{
    builder_->Finish();
    End(result);
}

behaviour::WindowHandle BuilderWindow::Window()
{
    return Handle();
}

std::string BuilderWindow::WorkFolderText() const
{
    return ControlText(kWorkFolderBox);
}

void BuilderWindow::SetWorkFolderText(const std::string& text)
{
    SetControlText(kWorkFolderBox, text);
}

std::string BuilderWindow::CommentsText() const
{
    return ControlText(kCommentsBox);
}

void BuilderWindow::SetCommentsText(const std::string& text)
{
    SetControlText(kCommentsBox, text);
}

void BuilderWindow::ShowRows(const ResourceTable& table)
{
    const HWND list = Control(kResourceList);
    BeginRows(list);
    for (int i = 0; i < table.Count(); ++i)
        AppendRow(list, table.rows[static_cast<std::size_t>(i)]);
    EndRows(list);
}

int BuilderWindow::SelectedRow() const
{
    return win32::SelectedRow(Control(kResourceList));
}

void BuilderWindow::SetCountText(const std::string& text)
{
    SetControlText(kCountText, text);
}

void BuilderWindow::Repaint()
{
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace skinwright::win32
