#include "select_file_dlg.h"

namespace skinwright::builder {

CSelectFileDlg::CSelectFileDlg(const QString& initialFolder, QWidget* owner, platform::SystemDialogs& dialogs)
    : initialFolder_(initialFolder), owner_(owner), dialogs_(dialogs)
{
}

QStringList CSelectFileDlg::Show()
{
    platform::FileRequest request;
    request.owner = owner_;
    request.initialFolder = initialFolder_;
    request.initialName = QStringLiteral("*.gif");
    request.defaultExtension = QStringLiteral("gif");
    request.filter = QStringLiteral("GIF File(*.gif)|*.gif|");
    request.multiSelect = true;
    return dialogs_.AskForFiles(request);
}

}  // namespace skinwright::builder
