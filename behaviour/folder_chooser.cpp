#include "folder_chooser.h"

#include "core/codepage.h"
#include "core/file_names.h"
#include "folders.h"
#include "translation.h"

namespace skinwright::behaviour {
namespace {

constexpr std::size_t kStatusLength = 35;

// Two paths of one folder, whether or not they end in a separator.
bool SameFolder(const std::filesystem::path& one, const std::filesystem::path& other)
{
    std::error_code error;
    if (std::filesystem::equivalent(one, other, error))
        return true;
    return WithoutTrailingSeparator(one.lexically_normal()) == WithoutTrailingSeparator(other.lexically_normal());
}

}  // namespace

FolderChooser::FolderChooser(const std::filesystem::path& initialFolder, WindowHandle parent,
                             SystemDialogs& dialogs)
    : initialFolder_(initialFolder.empty() ? DefaultFolder() : initialFolder), parent_(parent), dialogs_(dialogs)
{
}

int FolderChooser::Show()
{
    chosenPath_ = initialFolder_;
    FolderRequest request;
    request.owner = parent_;
    request.title = Tr("Please select folder:");
    request.statusLine = true;
    request.onInitialized = [this](FolderBrowser& browser) { OnInitialized(browser); };
    request.onSelectionChanged = [this](FolderBrowser& browser, const std::filesystem::path& path) {
        OnSelectionChanged(browser, path);
    };
    shownPath_ = initialFolder_;
    const std::optional<std::filesystem::path> chosen = dialogs_.BrowseForFolder(request);
    if (!chosen)
        return Cancel;
    // OK is taken for the folder the status line names. A browser that could
    // not select it keeps another selection without telling; that one is
    // never returned in its place.
    std::error_code error;
    if (SameFolder(*chosen, shownPath_)) {
        chosenPath_ = *chosen;
        return Ok;
    }
    if (!std::filesystem::is_directory(shownPath_, error))
        return Cancel;
    chosenPath_ = WithoutTrailingSeparator(shownPath_);
    return Ok;
}

std::filesystem::path FolderChooser::GetPath() const
{
    return chosenPath_;
}

// A folder that no longer exists opens the tree at its nearest existing
// parent, which OK then returns; the status line still names it.
void FolderChooser::OnInitialized(FolderBrowser& browser)
{
    // The shell's browser selects nothing for a path with a trailing separator.
    browser.SetSelection(WithoutTrailingSeparator(NearestExistingFolder(initialFolder_)));
    browser.SetStatusText(ShortenForStatus(PathToUtf8(initialFolder_)));
}

void FolderChooser::OnSelectionChanged(FolderBrowser& browser, const std::filesystem::path& path)
{
    chosenPath_ = path;
    shownPath_ = path;
    browser.SetStatusText(ShortenForStatus(PathToUtf8(path)));
}

std::string FolderChooser::ShortenForStatus(std::string_view text)
{
    const std::size_t kept = Utf8PrefixLength(text, kStatusLength);
    if (kept == text.size())
        return std::string(text);
    return std::string(text.substr(0, kept)) + "...";
}

}  // namespace skinwright::behaviour
