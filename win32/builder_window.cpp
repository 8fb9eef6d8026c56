#include "builder_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "dropped_files.h"
#include "report_list.h"
#include "res/templates/dialog_templates.h"
#include "resource_ids.h"

namespace skinwright::win32 {
namespace {

using namespace templates::builder;

constexpr int kWorkFolderLimit = 1024;
constexpr int kCommentsLimit = 8192;
constexpr UINT_PTR kListSubclass = 1;

}  // namespace

BuilderWindow::BuilderWindow(const ProgramSetup& setup)
    : DialogWindow(templates::BuilderTemplate())
    , builder_(std::make_unique<behaviour::Builder>(static_cast<behaviour::BuilderView&>(*this), setup.dialogs,
                                                    behaviour::BuilderSetup{setup.settingsFile, setup.applicationName}))
{
}

BuilderWindow::~BuilderWindow()
{
    builder_->Finish();
}

bool BuilderWindow::OnInitialize()
{
    SendMessageW(Control(kWorkFolderBox), EM_LIMITTEXT, kWorkFolderLimit, 0);
    SendMessageW(Control(kCommentsBox), EM_LIMITTEXT, kCommentsLimit, 0);
    fillingBoxes_ = true;
    builder_->FillBoxes();
    fillingBoxes_ = false;
    generateButton_.SetImages(SKINWRIGHT_GENERATE_BITMAP);

    const HWND list = Control(kResourceList);
    SetUpResourceList(list, "Resource Name");
    // Pictures dropped on the list are added as the picker's are.
    DragAcceptFiles(list, TRUE);
    SetWindowSubclass(list, &BuilderWindow::ListProcedure, kListSubclass, reinterpret_cast<DWORD_PTR>(this));
    builder_->RefreshList();
    SetFocus(list);
    return false;
}

LRESULT CALLBACK BuilderWindow::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self)
{
    if (message == WM_DROPFILES) {
        reinterpret_cast<BuilderWindow*>(self)->builder_->AddPictures(
            TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, &BuilderWindow::ListProcedure, kListSubclass);
    return DefSubclassProc(list, message, wParam, lParam);
}

// Enter (IDOK) takes both boxes' texts and closes the window, except that on
// the focused Generate button it clicks it: an owner-drawn button is not
// made the default by the focus. Esc and the close box (IDCANCEL) close it
// without taking the texts.
bool BuilderWindow::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDOK:
        if (GetFocus() == Control(kGenerateButton)) {
            builder_->GeneratePacket();
        } else {
            builder_->TakeBoxTexts();
            Close(IDOK);
        }
        return true;
    case IDCANCEL:
        Close(IDCANCEL);
        return true;
    case kCommentsBox:
        if (code == EN_CHANGE && !fillingBoxes_)
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

bool BuilderWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
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
