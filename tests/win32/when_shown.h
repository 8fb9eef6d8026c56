// Runs a check on a window of this thread once it stands, then closes it as
// Esc does: for tests that run a window modally, as the program runs it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace skinwright::win32 {

// Runs `check` on the window of this thread titled `title` once it stands,
// then closes it as Esc does.
class WhenShown {
public:
    WhenShown(std::wstring title, std::function<void(HWND)> check) : title_(std::move(title)), check_(std::move(check))
    {
        pending_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &WhenShown::Tick);
    }
    ~WhenShown()
    {
        KillTimer(nullptr, timer_);
        pending_ = nullptr;
    }
    WhenShown(const WhenShown&) = delete;
    WhenShown& operator=(const WhenShown&) = delete;

    bool Ran() const { return ran_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WhenShown* self = pending_;
        if (self == nullptr || self->ran_)
            return;
        const HWND window = FindWindowW(nullptr, self->title_.c_str());
        if (window == nullptr || !IsWindowVisible(window))
            return;
        self->ran_ = true;
        self->check_(window);
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    }

    static inline WhenShown* pending_ = nullptr;
    std::wstring title_;
    std::function<void(HWND)> check_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

}  // namespace skinwright::win32
