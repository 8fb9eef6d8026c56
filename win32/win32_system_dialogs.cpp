#include "win32_system_dialogs.h"

#include <windows.h>

#include <commdlg.h>

#include "shell_folder_browser.h"
#include "wide_text.h"

namespace skinwright::win32 {
namespace {

// Room for the folder and every name of a selection of a whole work folder.
constexpr std::size_t kChosenFilesBuffer = 1 << 16;

HWND Owner(behaviour::WindowHandle handle)
{
    return static_cast<HWND>(handle);
}

}  // namespace

std::wstring CommonDialogFilter(const std::string& barSeparated)
{
    std::wstring filter = WideFromUtf8(barSeparated);
    for (wchar_t& character : filter) {
        if (character == L'|')
            character = L'\0';
    }
    filter.append(2, L'\0');
    return filter;
}

std::vector<std::filesystem::path> ChosenFiles(const wchar_t* buffer, bool multiSelect)
{
    if (!multiSelect)
        return {std::filesystem::path(buffer)};
    std::vector<std::wstring> parts;
    for (const wchar_t* part = buffer; *part != L'\0'; part += parts.back().size() + 1)
        parts.emplace_back(part);
    if (parts.size() <= 1)
        return {parts.begin(), parts.end()};
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i)
        files.push_back(folder / parts[i]);
    return files;
}

behaviour::MessageAnswer Win32SystemDialogs::ShowMessage(const behaviour::MessageRequest& request)
{
    UINT type = request.buttons == behaviour::MessageButtons::YesNo ? MB_YESNO : MB_OK;
    if (request.icon == behaviour::MessageIcon::Exclamation)
        type |= MB_ICONEXCLAMATION;
    const int answer = MessageBoxW(Owner(request.owner), WideFromUtf8(request.text).c_str(),
                                   WideFromUtf8(request.caption).c_str(), type);
    if (request.buttons == behaviour::MessageButtons::Ok)
        return behaviour::MessageAnswer::Ok;
    return answer == IDYES ? behaviour::MessageAnswer::Yes : behaviour::MessageAnswer::No;
}

std::vector<std::filesystem::path> Win32SystemDialogs::AskForFiles(const behaviour::FileRequest& request)
{
    std::wstring chosen = WideFromUtf8(request.initialName);
    chosen.resize(kChosenFilesBuffer, L'\0');
    const std::wstring filter = CommonDialogFilter(request.filter);
    const std::wstring extension = WideFromUtf8(request.defaultExtension);
    const std::wstring folder = request.initialFolder.wstring();

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner(request.owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // No "Open as read-only" box: nothing here opens a file for writing.
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (request.confirmOverwrite)
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (request.multiSelect)
        dialog.Flags |= OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;

    const BOOL confirmed = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!confirmed)
        return {};
    return ChosenFiles(chosen.c_str(), request.multiSelect);
}

std::optional<std::filesystem::path> Win32SystemDialogs::BrowseForFolder(const behaviour::FolderRequest& request)
{
    return BrowseForShellFolder(request);
}

}  // namespace skinwright::win32
