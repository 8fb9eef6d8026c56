// The dots per inch a window is drawn at, and the system's sizes at a given
// DPI. Windows 10 tells them for each monitor; older Windows tells the
// system's one DPI, which then holds for every window.
#pragma once

#include <windows.h>

namespace skinwright::win32 {

constexpr UINT kStandardDpi = 96;

UINT WindowDpi(HWND window);

// GetSystemMetrics for a window drawn at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);

}  // namespace skinwright::win32
