// The system dialogs shown with Qt: QMessageBox, QFileDialog and our own
// folder browser.
#pragma once

#include "behaviour/system_dialogs.h"

class QFileDialog;
class QWidget;

namespace skinwright::platform {

// The handle a window gives with its requests; the dialogs take it back as
// the QWidget it was.
inline behaviour::WindowHandle HandleOf(QWidget* window)
{
    return window;
}

// A request's owner is the QWidget of the window that asks.
class QtSystemDialogs : public behaviour::SystemDialogs {
public:
    behaviour::MessageAnswer ShowMessage(const behaviour::MessageRequest& request) override;
    std::vector<std::filesystem::path> AskForFiles(const behaviour::FileRequest& request) override;
    std::optional<std::filesystem::path> BrowseForFolder(const behaviour::FolderRequest& request) override;
};

// Sets the dialog up for the request: mode, filters, default suffix, start
// folder and name, overwrite confirmation.
void ConfigureFileDialog(QFileDialog& dialog, const behaviour::FileRequest& request);

}  // namespace skinwright::platform
