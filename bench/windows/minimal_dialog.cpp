// The least a Win32 dialog program does: one dialog from a template in
// memory, shown modally until Enter or Esc. Skinwright.exe's start to its
// window is measured against this one's.
#include <windows.h>

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// A DLGTEMPLATE of 200 x 100 dialog units, its font and one OK button.
struct alignas(4) MinimalTemplate {
    DLGTEMPLATE dialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, 0, 1, 0, 0, 200, 100};
    WORD menu = 0;
    WORD windowClass = 0;
    wchar_t title[15] = L"Minimal dialog";
    WORD pointSize = 8;
    wchar_t font[14] = L"MS Sans Serif";
    alignas(4) DLGITEMTEMPLATE button{WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 75, 40, 50, 14, IDOK};
    WORD buttonClass[2] = {0xFFFF, 0x0080};
    wchar_t text[3] = L"OK";
    WORD creationData = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    static const MinimalTemplate dialog;
    DialogBoxIndirectParamW(instance, &dialog.dialog, nullptr, &Procedure, 0);
    return 0;
}
