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
    if (!previewFolder_)
        previewFolder_ = std::make_unique<QTemporaryDir>();
    if (!previewFolder_->isValid())
        return;

    // Named after the row's "Resource ID" column.
    const QString idText = rows_->CellText(row, shell::ResourceListModel::kResourceId);
    const QString temporary = previewFolder_->filePath(idText + ".gif");
    if (!reader_.ExtractResource(row, platform::ToFileSystemPath(temporary)))
        return;
    pictureArea_->setAlignment(Qt::AlignCenter);
    pictureArea_->setPixmap(platform::LoadPictureFile(temporary));
    QFile::remove(temporary);
}

}  // namespace skinwright::viewer
