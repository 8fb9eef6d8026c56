// For tests that run the windows modally, as the program runs them: a
// program folder of their own with a packet of three rows that the Viewer
// opens at its start, and a check run on a window once it stands.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "behaviour/program_setup.h"
#include "behaviour/translation.h"
#include "tests/support/files.h"
#include "tests/support/picture_packets.h"
#include "win32/win32_system_dialogs.h"

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

// The language is English again after each test.
template <class Base = ::testing::Test>
class RunningWindows : public Base {
protected:
    void SetUp() override
    {
        OleInitialize(nullptr);
        const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        test::MakePacket(folder_.Path() / "iconres.ezx", {"back.g", "battery_full.g", "call.g"},
                         [](std::size_t) { return std::string("GIF89a"); });
        setup_.settingsFile = folder_.Path() / "Skinwright.ini";
        setup_.programFolder = folder_.Path() / "";
        setup_.applicationName = "Skinwright";
        setup_.startPacket = folder_.Path() / "iconres.ezx";
    }
    void TearDown() override
    {
        behaviour::UseLanguage("");
        OleUninitialize();
    }

    test::TempFolder folder_;
    behaviour::ProgramSetup setup_;
    Win32SystemDialogs dialogs_;
};

}  // namespace skinwright::win32
