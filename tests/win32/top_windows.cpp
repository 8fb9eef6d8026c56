// Tells the real-window tests what Wine shows, where X sees one window for
// all of them (Wine's virtual desktop). Run in the session's prefix:
//   top_windows.exe            the visible top-level windows, one a line:
//                              window, owner (0 for none), "enabled" or
//                              "disabled", "active" for the one that has
//                              the keyboard else "inactive", class, title
//   top_windows.exe WINDOW     that window's visible controls, one a line:
//                              control id, class, left, top, right, bottom
//                              on the screen
// Fields are tab-separated, lines end in LF; a window is named by its
// number as listed.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(std::strlen(utf8.c_str()));
    return utf8;
}

std::string ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Utf8(name);
}

unsigned long long Number(HWND window)
{
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window));
}

BOOL CALLBACK PrintTopWindow(HWND window, LPARAM)
{
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    std::printf("%llu\t%llu\t%s\t%s\t%s\t%s\n", Number(window), Number(GetWindow(window, GW_OWNER)),
                IsWindowEnabled(window) ? "enabled" : "disabled",
                window == GetForegroundWindow() ? "active" : "inactive", ClassOf(window).c_str(),
                Utf8(title).c_str());
    return TRUE;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM)
{
    RECT place = {};
    if (!IsWindowVisible(control) || !GetWindowRect(control, &place))
        return TRUE;
    std::printf("%d\t%s\t%ld\t%ld\t%ld\t%ld\n", GetDlgCtrlID(control), ClassOf(control).c_str(), place.left,
                place.top, place.right, place.bottom);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF, as the shell reads them
    if (argc > 1) {
        const auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(argv[1], nullptr, 10)));
        if (!IsWindow(window))
            return 1;
        EnumChildWindows(window, &PrintControl, 0);
    } else {
        EnumWindows(&PrintTopWindow, 0);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
