// "Add Resource ...": picked pictures become rows of the resource list, and so
// do picture files dropped on the list. Only names are recorded; the pictures
// are read from the work folder when the packet is generated.
#include "builder_dialog.h"

#include <QFileInfo>

#include "core/resource_list.h"
#include "select_file_dlg.h"

namespace skinwright::builder {

void BuilderDialog::OnAddResource()
{
    if (table_->Count() >= kTableCapacity)
        return;
    const QStringList chosen = CSelectFileDlg(workFolder_, this, environment_.dialogs).Show();
    if (!chosen.isEmpty())
        AddPictures(chosen, {});
}

// A folder dropped on the list is no picture: it is named with the refusals.
void BuilderDialog::OnFilesDropped(const QStringList& paths)
{
    QStringList files;
    QStringList folders;
    for (const QString& path : paths)
        (QFileInfo(path).isDir() ? folders : files) << path;
    AddPictures(files, folders);
}

void BuilderDialog::AddPictures(const QStringList& paths, const QStringList& refusedPaths)
{
    QStringList refused;
    for (const QString& path : refusedPaths)
        refused << QFileInfo(path).fileName();
    int overCapacity = 0;
    for (const QString& path : paths) {
        const AddResult added = AddFromPath(*table_, path.toStdString());
        if (added.status == AddStatus::TableFull)
            ++overCapacity;
        else if (!added)
            refused << QFileInfo(path).fileName();
    }
    RefreshList();

    if (!refused.isEmpty())
        Tell(QStringLiteral("These files cannot become resources and were not added:\n") + refused.join(u'\n'));
    if (overCapacity > 0)
        Tell(QStringLiteral("%1 files were not added: a resource packet holds at most 2048 resources.").arg(overCapacity));
}

}  // namespace skinwright::builder
