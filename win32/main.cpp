// Skinwright starts into the Viewer and ends when the Viewer closes. Its one
// argument, when it has one, is the packet the Viewer opens.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "behaviour/application_name.h"
#include "behaviour/language.h"
#include "behaviour/program_setup.h"
#include "behaviour/start_request.h"
#include "viewer_window.h"
#include "wide_text.h"
#include "win32_system_dialogs.h"

namespace {

using namespace skinwright;

std::filesystem::path ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// As the C runtime parsed the command line.
std::vector<std::string> Arguments()
{
    std::vector<std::string> utf8;
    for (int i = 1; i < __argc; ++i)
        utf8.push_back(win32::Utf8FromWide(__wargv[i]));
    return utf8;
}

// A program without a console prints where its output was sent, else into
// the console it was started from, if any.
int Print(const std::string& text)
{
    if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS))
        std::freopen("CONOUT$", "w", stdout);
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::filesystem::path modulePath = ModulePath();
    const std::string name = behaviour::ApplicationNameFromPath(win32::Utf8FromWide(modulePath.wstring()));
    std::error_code error;
    const behaviour::StartRequest request =
        behaviour::ParseStartArguments(Arguments(), std::filesystem::current_path(error));
    if (request.action == behaviour::StartRequest::Action::PrintHelp)
        return Print(behaviour::HelpText(name));
    if (request.action == behaviour::StartRequest::Action::PrintVersion)
        return Print(behaviour::VersionText(name));

    behaviour::UseUserLanguage();
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    win32::Win32SystemDialogs dialogs;
    const behaviour::ProgramSetup setup = behaviour::DecideProgramSetup(modulePath.parent_path(), name, request.packet);
    {
        win32::ViewerWindow viewer(setup, dialogs);
        viewer.RunModal(nullptr);
    }
    return 0;
}
