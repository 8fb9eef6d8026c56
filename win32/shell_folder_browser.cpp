#include "shell_folder_browser.h"

#include <windows.h>

#include <shlobj.h>

#include "wide_text.h"

namespace skinwright::win32 {
namespace {

// Wine's browser walks its tree down to a folder comparing each folder on
// the way with its item byte for byte, the folder's last access time
// included. A folder read for the first time since it changed (one just
// exported into) is read during the walk, no longer matches, and the walk
// stops short with nothing selected. Walked again, the times hold.
constexpr int kSelectionAttempts = 6;

struct BrowseState {
    const behaviour::FolderRequest& request;
    std::filesystem::path selected;  // the file-system path of the selection, if any
};

// The browser as the chooser sees it while it runs.
class ShellBrowser : public behaviour::FolderBrowser {
public:
    ShellBrowser(HWND window, const BrowseState& state) : window_(window), state_(state) {}

    void SetSelection(const std::filesystem::path& folder) override
    {
        for (int attempt = 0; attempt < kSelectionAttempts && !IsSelected(folder); ++attempt)
            SendMessageW(window_, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    }

    void SetStatusText(const std::string& text) override
    {
        const std::wstring wide = WideFromUtf8(text);
        SendMessageW(window_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }

private:
    bool IsSelected(const std::filesystem::path& folder) const
    {
        std::error_code error;
        return !state_.selected.empty() && std::filesystem::equivalent(state_.selected, folder, error);
    }

    HWND window_;
    const BrowseState& state_;
};

// An item without a file-system path (a virtual folder) gives an empty path.
std::filesystem::path FileSystemPathOf(LPCITEMIDLIST item)
{
    wchar_t path[MAX_PATH] = {};
    if (item == nullptr || !SHGetPathFromIDListW(item, path))
        return {};
    return std::filesystem::path(path);
}

int CALLBACK OnBrowseEvent(HWND window, UINT event, LPARAM parameter, LPARAM context)
{
    auto& state = *reinterpret_cast<BrowseState*>(context);
    ShellBrowser browser(window, state);
    if (event == BFFM_SELCHANGED) {
        state.selected = FileSystemPathOf(reinterpret_cast<LPCITEMIDLIST>(parameter));
        if (state.request.onSelectionChanged)
            state.request.onSelectionChanged(browser, state.selected);
    } else if (event == BFFM_INITIALIZED && state.request.onInitialized) {
        state.request.onInitialized(browser);
    }
    return 0;
}

}  // namespace

std::optional<std::filesystem::path> BrowseForShellFolder(const behaviour::FolderRequest& request)
{
    wchar_t displayName[MAX_PATH] = {};
    const std::wstring title = WideFromUtf8(request.title);
    BrowseState state{request, {}};
    BROWSEINFOW browse = {};
    browse.hwndOwner = static_cast<HWND>(request.owner);
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = request.statusLine ? BIF_STATUSTEXT : 0;
    browse.lpfn = &OnBrowseEvent;
    browse.lParam = reinterpret_cast<LPARAM>(&state);

    LPITEMIDLIST item = SHBrowseForFolderW(&browse);
    if (item == nullptr)
        return std::nullopt;
    const std::filesystem::path chosen = FileSystemPathOf(item);
    CoTaskMemFree(item);
    if (chosen.empty())
        return std::nullopt;
    return chosen;
}

}  // namespace skinwright::win32
