#include "about_window.h"

#include "behaviour/usage_text.h"
#include "dialog_window.h"
#include "res/templates/dialog_templates.h"

namespace skinwright::win32 {
namespace {

class AboutWindow : public DialogWindow {
public:
    AboutWindow() : DialogWindow(templates::AboutTemplate()), usageText_(behaviour::BuildUsageText()) {}

private:
    bool OnInitialize() override
    {
        SetControlText(templates::about::kUsageText, usageText_);
        return true;
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id != IDOK && id != IDCANCEL)
            return false;
        End(id);
        return true;
    }

    // F1 here would reach the Viewer, which owns this window: the usage
    // is already in sight.
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_HELP)
            return false;
        result = TRUE;
        return true;
    }

    std::string usageText_;
};

}  // namespace

void ShowAboutWindow(HWND owner)
{
    AboutWindow window;
    window.RunModal(owner);
}

}  // namespace skinwright::win32
