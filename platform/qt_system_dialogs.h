// The system dialogs shown with Qt: QMessageBox, QFileDialog and our own
// folder browser.
#pragma once

#include "system_dialogs.h"

class QFileDialog;

namespace skinwright::platform {

class QtSystemDialogs : public SystemDialogs {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    QStringList AskForFiles(const FileRequest& request) override;
    std::optional<QString> BrowseForFolder(const FolderRequest& request) override;
};

// Sets the dialog up for the request: mode, filters, default suffix, start
// folder and name, overwrite confirmation.
void ConfigureFileDialog(QFileDialog& dialog, const FileRequest& request);

}  // namespace skinwright::platform
