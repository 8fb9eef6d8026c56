#include "folder_chooser.h"

#include "platform/paths.h"

namespace skinwright::shell {

namespace {

constexpr qsizetype kStatusLength = 35;

QString Title()
{
    return QStringLiteral("Please select folder:");
}

}  // namespace

FolderChooser::FolderChooser(const QString& initialFolder, unsigned flags, QWidget* parent,
                             platform::SystemDialogs& dialogs)
    : initialFolder_(initialFolder.isEmpty() ? platform::DefaultFolder() : initialFolder),
      flags_(flags | StatusText),
      parent_(parent),
      dialogs_(dialogs)
{
}

int FolderChooser::Show()
{
    chosenPath_ = initialFolder_;
    platform::FolderRequest request;
    request.owner = parent_;
    request.title = Title();
    request.statusLine = (flags_ & StatusText) != 0;
    request.onInitialized = [this](platform::FolderBrowser& browser) { OnInitialized(browser); };
    request.onSelectionChanged = [this](platform::FolderBrowser& browser, const QString& path) {
        OnSelectionChanged(browser, path);
    };
    const std::optional<QString> chosen = dialogs_.BrowseForFolder(request);
    if (!chosen)
        return Cancel;
    chosenPath_ = *chosen;
    return Ok;
}

QString FolderChooser::GetPath() const
{
    return chosenPath_;
}

void FolderChooser::OnInitialized(platform::FolderBrowser& browser)
{
    browser.SetSelection(initialFolder_);
    browser.SetStatusText(ShortenForStatus(initialFolder_));
}

void FolderChooser::OnSelectionChanged(platform::FolderBrowser& browser, const QString& path)
{
    chosenPath_ = path;
    browser.SetStatusText(ShortenForStatus(path));
}

QString FolderChooser::ShortenForStatus(const QString& text)
{
    if (text.size() <= kStatusLength)
        return text;
    return text.left(kStatusLength) + QStringLiteral("...");
}

}  // namespace skinwright::shell
