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
        AddPictures(chosen);
}

// Picked or dropped files. A folder, which only a drop can bring, is no
// picture: it is named with the refusals.
void BuilderDialog::AddPictures(const QStringList& paths)
{
    QStringList refused;
    int overCapacity = 0;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            refused << QFileInfo(path).fileName();
            continue;
        }
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
