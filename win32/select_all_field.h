// An edit control in which Ctrl+A selects the whole text and reports no
// change of it, as on Linux. Wine's edit tells its owner the text changed
// (EN_CHANGE) when Ctrl+A moves the selection, and the Viewer loads its
// packet again on every change of its path field.
#pragma once

#include <windows.h>

namespace skinwright::win32 {

// Takes over Ctrl+A in the edit for as long as it exists.
void SelectAllOnCtrlA(HWND edit);

}  // namespace skinwright::win32
