#include "select_all_field.h"

#include <commctrl.h>

namespace skinwright::win32 {
namespace {

constexpr UINT_PTR kSelectAllSubclass = 1;
// The character TranslateMessage makes of Ctrl+A.
constexpr WPARAM kControlA = 0x01;

bool ControlWithoutAlt()
{
    return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

LRESULT CALLBACK SelectAllProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_KEYDOWN && wParam == 'A' && ControlWithoutAlt()) {
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return 0;
    }
    if (message == WM_CHAR && wParam == kControlA)
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, &SelectAllProcedure, kSelectAllSubclass);
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void SelectAllOnCtrlA(HWND edit)
{
    SetWindowSubclass(edit, &SelectAllProcedure, kSelectAllSubclass, 0);
}

}  // namespace skinwright::win32
