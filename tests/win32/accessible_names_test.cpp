// What a screen reader reads for each control of the three windows that
// takes the keyboard, as Windows' accessibility hands it over.
#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "behaviour/translation.h"
#include "res/templates/dialog_templates.h"
#include "tests/win32/running_windows.h"
#include "win32/about_window.h"
#include "win32/builder_window.h"
#include "win32/viewer_window.h"
#include "win32/wide_text.h"

namespace skinwright::win32 {
namespace {

std::string AccessibleName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))))
        return "(no accessible object)";
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr)
        text = Utf8FromWide(name);
    SysFreeString(name);
    accessible->Release();
    return text;
}

// Each control that takes the keyboard by its id, with what is read for it.
std::map<int, std::string> NamesOfFocusableControls(HWND window)
{
    std::map<int, std::string> names;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0)
            names[GetDlgCtrlID(child)] = AccessibleName(child);
    }
    return names;
}

class AccessibleNames : public RunningWindows<> {
protected:
    std::map<int, std::string> NamesIn(const templates::DialogTemplate& dialog, const std::function<void()>& run)
    {
        std::map<int, std::string> names;
        WhenShown check(WideFromUtf8(behaviour::Tr(dialog.title)),
                        [&](HWND shown) { names = NamesOfFocusableControls(shown); });
        run();
        EXPECT_TRUE(check.Ran()) << dialog.title;
        return names;
    }
};

// A field is read by the label before it, a button by its caption or, where
// that is a question mark, by what it chooses, a list by what it holds.
TEST_F(AccessibleNames, EachControlIsReadByWhatItIs)
{
    using namespace templates;
    const struct {
        const DialogTemplate& dialog;
        std::function<void()> run;
        std::map<int, std::string> names;
    } windows[] = {
        {ViewerTemplate(), [&] { ViewerWindow(setup_, dialogs_).RunModal(nullptr); },
         {{viewer::kPathField, "Resource Packet:"},
          {viewer::kPickButton, "Choose the resource packet"},
          {viewer::kResourceList, "Resources of the opened packet"},
          {viewer::kSaveAsButton, "Save As ..."},
          {viewer::kSaveAllButton, "Save All ..."},
          {viewer::kBuildButton, "Build New Resource Packet ..."},
          {viewer::kHelpButton, "Help"}}},
        {BuilderTemplate(), [&] { BuilderWindow(setup_, dialogs_).RunModal(nullptr); },
         {{builder::kResourceList, "Resources of the new packet"},
          {builder::kGenerateButton, "Generate Packet ..."},
          {builder::kWorkFolderBox, "Work Folder(where your picture locating):"},
          {builder::kPickFolderButton, "Choose the work folder"},
          {builder::kCommentsBox, "Your Comments:"},
          {builder::kAddButton, "Add Resource ..."},
          {builder::kRemoveButton, "Remove"},
          {builder::kRemoveAllButton, "Remove All"}}},
        {AboutTemplate(), [] { ShowAboutWindow(nullptr); },
         {{about::kOkButton, "OK"}, {about::kUsageText, "How Skinwright is used"}}},
    };
    for (const auto& window : windows)
        EXPECT_EQ(NamesIn(window.dialog, window.run), window.names) << window.dialog.title;
}

// In another language the names are that language's.
TEST_F(AccessibleNames, TheNamesSpeakTheLanguageInUse)
{
    behaviour::UseLanguage("zh_CN");
    const std::map<int, std::string> names =
        NamesIn(templates::ViewerTemplate(), [&] { ViewerWindow(setup_, dialogs_).RunModal(nullptr); });
    EXPECT_EQ(names.at(templates::viewer::kPickButton), "选择资源包");
    EXPECT_EQ(names.at(templates::viewer::kPathField), "资源包：");
}

}  // namespace
}  // namespace skinwright::win32
