// The name a screen reader says for a control whose own text, or the label
// just before it, does not say what it is: a "?" button, a list, the
// picture area. Screen readers ask a window for its accessible object; the
// control answers with the system's own object for it, renamed.
#pragma once

#include <windows.h>

#include <string>

namespace skinwright::win32 {

// May be called again to change the name (the picture area's follows the
// shown picture).
void SetAccessibleName(HWND control, const std::wstring& name);

}  // namespace skinwright::win32
