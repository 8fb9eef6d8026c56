// "Add Resource ...": picked pictures become rows of the resource list, and so
// do picture files dropped on the list. Only names are recorded; the pictures
// are read from the work folder when the packet is generated.
#include "builder_dialog.h"

#include <QFileInfo>

#include "core/resource_list.h"
#include "picture_picker.h"
#include "platform/paths.h"
#include "platform/qt_system_dialogs.h"

namespace skinwright::builder {

void BuilderDialog::OnAddResource()
{
    if (table_->Count() >= kTableCapacity)
        return;
    const std::vector<std::filesystem::path> chosen =
        PicturePicker(platform::ToFileSystemPath(workFolder_), platform::HandleOf(this), environment_.dialogs).Show();
    QStringList paths;
    for (const std::filesystem::path& file : chosen)
        paths << platform::FromFileSystemPath(file);
    if (!paths.isEmpty())
        AddPictures(paths);
}

namespace {

// Why a picked or dropped file did not become a resource, in a user's words.
QString RefusalReason(AddStatus status)
{
    switch (status) {
    case AddStatus::NameTooLong:
        return QStringLiteral("the name would be longer than a resource name can be (127 bytes)");
    case AddStatus::NameHasBadByte:
        return QStringLiteral("the name holds a line break");
    case AddStatus::NameHasSeparator:
        return QStringLiteral("the name holds a backslash, which Windows takes for a folder separator");
    case AddStatus::NotUtf8:
        return QStringLiteral("the name is not valid UTF-8, the encoding of file names here");
    case AddStatus::NotRepresentable:
        return QStringLiteral("the name holds a character that Windows-1252 cannot store");
    case AddStatus::Added:
    case AddStatus::TableFull:
        break;
    }
    return {};
}

}  // namespace

// Picked or dropped files. A folder, which only a drop can bring, is no
// picture, and neither is a file that no longer exists; they are named with
// the refusals, each with its reason.
void BuilderDialog::AddPictures(const QStringList& paths)
{
    QStringList refused;
    int overCapacity = 0;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        QString reason;
        if (file.isDir()) {
            reason = QStringLiteral("it is a folder");
        } else if (!file.exists()) {
            reason = QStringLiteral("it does not exist");
        } else {
            const AddResult added = AddFromPath(*table_, path.toStdString());
            if (added.status == AddStatus::TableFull)
                ++overCapacity;
            else if (!added)
                reason = RefusalReason(added.status);
        }
        if (!reason.isEmpty())
            refused << file.fileName() + QStringLiteral(": ") + reason;
    }
    RefreshList();

    if (!refused.isEmpty())
        Tell(QStringLiteral("These files cannot become resources and were not added:\n") + refused.join(u'\n'));
    if (overCapacity > 0)
        Tell(QStringLiteral("%1 files were not added: a resource packet holds at most 2048 resources.").arg(overCapacity));
}

}  // namespace skinwright::builder
