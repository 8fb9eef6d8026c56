#include "dialog_window.h"

#include "accessible_name.h"
#include "behaviour/translation.h"
#include "wide_text.h"

namespace skinwright::win32 {

DialogWindow::DialogWindow(const templates::DialogTemplate& dialog) : dialog_(dialog), template_(dialog) {}

INT_PTR DialogWindow::RunModal(HWND owner)
{
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), template_.Get(), owner, &DialogWindow::Procedure,
                                   reinterpret_cast<LPARAM>(this));
}

bool DialogWindow::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

std::string DialogWindow::ControlText(int id) const
{
    const HWND control = Control(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8FromWide(text);
}

void DialogWindow::SetControlText(int id, const std::string& text)
{
    SetWindowTextW(Control(id), WideFromUtf8(text).c_str());
}

void DialogWindow::NameControls() const
{
    for (const templates::ControlTemplate& control : dialog_.controls) {
        if (!control.name.empty() && control.id != templates::kNoId)
            SetAccessibleName(Control(control.id), WideFromUtf8(behaviour::Tr(control.name)));
    }
}

void DialogWindow::End(int result)
{
    EndDialog(window_, result);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        self->NameControls();
        return self->OnInitialize() ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    if (message == WM_COMMAND)
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    LRESULT result = 0;
    if (!self->OnMessage(message, wParam, lParam, result))
        return FALSE;
    // The drag icon is returned directly; other answers go through the
    // dialog's result slot.
    if (message == WM_QUERYDRAGICON)
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace skinwright::win32
