// The About and usage window: the icon, name and version, and how the two
// windows are used. Opened from the Viewer's Help button, F1 and its
// system menu.
#pragma once

#include <windows.h>

namespace skinwright::win32 {

// Runs the window modally over its owner; the text is built anew each time.
void ShowAboutWindow(HWND owner);

}  // namespace skinwright::win32
