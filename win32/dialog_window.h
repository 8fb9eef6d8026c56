// A modal window made from a dialog template in memory. Subclasses handle
// its messages; the base runs the modal loop and finds the controls.
#pragma once

#include <windows.h>

#include <string>

#include "memory_template.h"

namespace skinwright::win32 {

class DialogWindow {
public:
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Shows the window over its owner (none for the main window) and returns
    // when it is closed, with the result it was ended with.
    INT_PTR RunModal(HWND owner);

    HWND Handle() const { return window_; }

protected:
    explicit DialogWindow(const templates::DialogTemplate& dialog);
    virtual ~DialogWindow() = default;

    // The window and its controls exist. True to let the first control that
    // takes the keyboard have it.
    virtual bool OnInitialize() = 0;
    // A command (a click, Enter, Esc, an edit's change). True when handled.
    virtual bool OnCommand(int id, int code, HWND control) = 0;
    // Any other message. True when handled, with its result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::string ControlText(int id) const;
    void SetControlText(int id, const std::string& text);
    void End(int result);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Controls whose text does not say what they are get a name for screen
    // readers.
    void NameControls() const;

    const templates::DialogTemplate& dialog_;
    MemoryTemplate template_;
    HWND window_ = nullptr;
};

}  // namespace skinwright::win32
