// The system dialogs the windows ask for, behind one interface: message
// boxes, the open and save file dialogs and the folder browser. Each front
// end shows its platform's own; ScriptedDialogs answers from a queue in tests.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skinwright::behaviour {

// The front end's own handle of a window (a QWidget*, an HWND). A request
// carries the window that owns the dialog, as the front end gave it.
using WindowHandle = void*;

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Exclamation, None };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    WindowHandle owner = nullptr;
    std::string text;
    std::string caption;  // the application name
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Exclamation;
};

struct FileRequest {
    WindowHandle owner = nullptr;
    bool save = false;                    // save dialog; otherwise open dialog
    std::string defaultExtension;         // "ezx", "gif": added to a name typed without one
    std::string initialName;              // the file-name box: a name, a pattern or a full path
    std::filesystem::path initialFolder;  // empty: the dialog's own choice
    std::string filter;                   // bar-separated: "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||"
    bool confirmOverwrite = false;
    bool multiSelect = false;             // open dialog only; every chosen file must exist
};

// The browser reports these while it runs, as the shell's browser does.
class FolderBrowser {
public:
    virtual ~FolderBrowser() = default;
    virtual void SetSelection(const std::filesystem::path& folder) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
};

struct FolderRequest {
    WindowHandle owner = nullptr;
    std::string title;  // shown above the tree
    bool statusLine = true;
    std::function<void(FolderBrowser&)> onInitialized;
    std::function<void(FolderBrowser&, const std::filesystem::path& selected)> onSelectionChanged;
};

class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;
    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
    // The chosen full paths (one unless multi-select); empty when cancelled.
    virtual std::vector<std::filesystem::path> AskForFiles(const FileRequest& request) = 0;
    // The chosen folder's file-system path; none when cancelled or when the
    // selection is not a file-system folder.
    virtual std::optional<std::filesystem::path> BrowseForFolder(const FolderRequest& request) = 0;
};

// A message box owned by a window, with the application's name as caption.
inline MessageAnswer ShowMessageBox(SystemDialogs& dialogs, WindowHandle owner, const std::string& caption,
                                    const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                                    MessageIcon icon = MessageIcon::Exclamation)
{
    return dialogs.ShowMessage({owner, text, caption, buttons, icon});
}

}  // namespace skinwright::behaviour
