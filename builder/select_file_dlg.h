// The Builder's picture picker: the open-file dialog for GIF files, several
// at once, starting in the work folder.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/system_dialogs.h"

class QWidget;

namespace skinwright::builder {

class CSelectFileDlg {
public:
    CSelectFileDlg(const QString& initialFolder, QWidget* owner, platform::SystemDialogs& dialogs);

    // The chosen files' full paths in the order the dialog reports them;
    // empty when cancelled.
    QStringList Show();

private:
    QString initialFolder_;
    QWidget* owner_;
    platform::SystemDialogs& dialogs_;
};

}  // namespace skinwright::builder
