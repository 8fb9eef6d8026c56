// A click in the list shows the selected resource's picture: the resource is
// extracted into a private temporary folder, decoded and shown, and the
// temporary file removed again.
#include "viewer_dialog.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "platform/paths.h"
#include "platform/picture.h"

namespace skinwright::viewer {

void ViewerDialog::OnListClick()
{
    if (!reader_.IsLoaded())
        return;
    const int row = GetSelectedRow();
    if (row < 0 || row >= reader_.Table().Count())
        return;
    QTemporaryDir* folder = PrivateFolder();
    if (!folder)
        return;

    // Named after the row's "Resource ID" column.
    const QString idText = rows_->CellText(row, shell::ResourceListModel::kResourceId);
    const QString temporary = folder->filePath(idText + ".gif");
    if (!reader_.ExtractResource(row, platform::ToFileSystemPath(temporary)))
        return;
    pictureArea_->setAlignment(Qt::AlignCenter);
    pictureArea_->setPixmap(platform::LoadPictureFile(temporary));
    QFile::remove(temporary);
}

// Made on first use, removed with the Viewer; null when it cannot be made.
QTemporaryDir* ViewerDialog::PrivateFolder()
{
    if (!privateFolder_)
        privateFolder_ = std::make_unique<QTemporaryDir>();
    return privateFolder_->isValid() ? privateFolder_.get() : nullptr;
}

}  // namespace skinwright::viewer
