#include "dpi.h"

namespace skinwright::win32 {
namespace {

// Looked up at run time, so that the program still starts on Windows
// before 10, which lacks them.
template <typename Function>
Function User32Function(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT SystemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kStandardDpi;
}

}  // namespace

UINT WindowDpi(HWND window)
{
    static const auto dpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi)
{
    static const auto metricForDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return metricForDpi != nullptr ? metricForDpi(index, dpi) : GetSystemMetrics(index);
}

}  // namespace skinwright::win32
