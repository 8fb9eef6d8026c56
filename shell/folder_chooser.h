// Lets the user pick a folder in the system's folder browser, starting at a
// folder the caller names, with the current selection's path (shortened)
// in the browser's status line. Each use creates one, shows it once and
// reads the path after OK.
#pragma once

#include <QString>

#include "platform/system_dialogs.h"

class QWidget;

namespace skinwright::shell {

class FolderChooser {
public:
    enum Result { Ok = 1, Cancel = 2 };
    // The browser always shows its status line; callers may pass it too.
    enum Flag : unsigned { StatusText = 4 };

    // An empty initial folder stands for platform::DefaultFolder().
    FolderChooser(const QString& initialFolder, unsigned flags, QWidget* parent,
                  platform::SystemDialogs& dialogs);

    FolderChooser(const FolderChooser&) = delete;
    FolderChooser& operator=(const FolderChooser&) = delete;

    // Runs the browser modally over the parent: Ok with the chosen folder's
    // path, or Cancel when the user cancelled or chose something that is not
    // a file-system folder.
    int Show();

    // The chosen path; meaningful after Show returned Ok.
    QString GetPath() const;

    // More than 35 characters: the first 35 followed by "...".
    static QString ShortenForStatus(const QString& text);

private:
    // Selects the initial folder and shows it in the status line.
    void OnInitialized(platform::FolderBrowser& browser);
    // Records the newly selected path and shows it in the status line.
    void OnSelectionChanged(platform::FolderBrowser& browser, const QString& path);

    QString initialFolder_;
    unsigned flags_;
    QWidget* parent_;
    platform::SystemDialogs& dialogs_;
    QString chosenPath_;
};

}  // namespace skinwright::shell
