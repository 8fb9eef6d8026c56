// The system dialogs the windows use, behind one interface: message boxes,
// the open and save file dialogs and the folder browser. QtSystemDialogs
// shows the real ones; ScriptedDialogs answers from a queue in tests.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

class QWidget;

namespace skinwright::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Exclamation, None };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QWidget* owner = nullptr;
    QString text;
    QString caption;  // the application name
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Exclamation;
};

struct FileRequest {
    QWidget* owner = nullptr;
    bool save = false;            // save dialog; otherwise open dialog
    QString defaultExtension;     // "ezx", "gif": added to a name typed without one
    QString initialName;          // the file-name box: a name or a full path
    QString initialFolder;        // empty: the dialog's own choice
    QString filter;               // bar-separated: "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||"
    bool confirmOverwrite = false;
    bool multiSelect = false;     // open dialog only; every chosen file must exist
};

// The browser reports these while it runs, as the shell's browser does.
class FolderBrowser {
public:
    virtual ~FolderBrowser() = default;
    virtual void SetSelection(const QString& folder) = 0;
    virtual void SetStatusText(const QString& text) = 0;
};

struct FolderRequest {
    QWidget* owner = nullptr;
    QString title;          // shown above the tree
    bool statusLine = true;
    std::function<void(FolderBrowser&)> onInitialized;
    std::function<void(FolderBrowser&, const QString& selectedPath)> onSelectionChanged;
};

class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;
    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
    // The chosen full paths (one unless multi-select); empty when cancelled.
    virtual QStringList AskForFiles(const FileRequest& request) = 0;
    // The chosen folder's file-system path; none when cancelled or when the
    // selection is not a file-system folder.
    virtual std::optional<QString> BrowseForFolder(const FolderRequest& request) = 0;
};

// A message box owned by a window, with the application's name as caption.
inline MessageAnswer ShowMessageBox(SystemDialogs& dialogs, QWidget* owner, const QString& caption,
                                    const QString& text, MessageButtons buttons = MessageButtons::Ok,
                                    MessageIcon icon = MessageIcon::Exclamation)
{
    return dialogs.ShowMessage({owner, text, caption, buttons, icon});
}

}  // namespace skinwright::platform
