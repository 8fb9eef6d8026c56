// "Save As ..." and "Save All ...": one resource under a chosen name, or every
// resource with the two side files into a chosen folder. A row dragged out of
// the list is exported too, into the private temporary folder.
#include "viewer_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "platform/paths.h"
#include "behaviour/folder_chooser.h"
#include "platform/qt_system_dialogs.h"

namespace skinwright::viewer {
namespace {

// The file a row is exported under, or an empty text when its name could
// leave the folder it is written into.
QString ExportFileName(const ResourceEntry& row)
{
    if (!IsSafeExportName(row.Name()))
        return {};
    return platform::DisplayName(PictureFileName(row.Name()));
}

}  // namespace

// Where saving starts: the program folder of a portable program. An
// installed program's folder cannot be written; it starts in the folder
// "Save All ..." remembers, else in the home folder.
QString ViewerDialog::SavingFolder() const
{
    if (environment_.portable)
        return environment_.programFolder;
    if (!outputFolder_.isEmpty() && QFileInfo(outputFolder_).isDir())
        return platform::EnsureTrailingSeparator(outputFolder_);
    return platform::DefaultFolder();
}

void ViewerDialog::OnSaveAs()
{
    if (!reader_.IsLoaded())
        return;
    const int row = GetSelectedRow();
    if (row < 0 || row >= reader_.Table().Count())
        return;

    behaviour::FileRequest request;
    request.owner = platform::HandleOf(this);
    request.save = true;
    request.defaultExtension = "gif";
    const QString fileName = ExportFileName(reader_.Table().rows[static_cast<std::size_t>(row)]);
    if (fileName.isEmpty())
        request.initialFolder = platform::ToFileSystemPath(SavingFolder());
    else
        request.initialName = (SavingFolder() + fileName).toStdString();
    request.filter = "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||";
    request.confirmOverwrite = true;
    const std::vector<std::filesystem::path> chosen = environment_.dialogs.AskForFiles(request);
    if (!chosen.empty() && !reader_.ExtractResource(row, chosen.front()))
        Tell(platform::FromFileSystemPath(chosen.front()) + " Failed to save");
    update();
}

void ViewerDialog::OnSaveAll()
{
    if (!reader_.IsLoaded())
        return;
    const QString start = outputFolder_.isEmpty() ? SavingFolder() : outputFolder_;
    behaviour::FolderChooser chooser(platform::ToFileSystemPath(start), platform::HandleOf(this), environment_.dialogs);
    if (chooser.Show() != behaviour::FolderChooser::Ok)
        return;
    const QString chosen = platform::FromFileSystemPath(chooser.GetPath());
    if (platform::IsNetworkPath(chosen))
        return;
    const QString folder = platform::EnsureTrailingSeparator(chosen);
    outputFolder_ = folder;

    QStringList failedSideFiles;
    for (const QString& side : {QStringLiteral("headerfile"), QStringLiteral("hashtable")}) {
        const auto target = platform::ToFileSystemPath(folder + side);
        const bool written = side == "headerfile" ? reader_.WriteHeaderFile(target) : reader_.WriteHashTable(target);
        if (!written) {
            Tell(folder + side + " Failed to save");
            failedSideFiles << side;
        }
    }

    const int count = reader_.Table().Count();
    int failures = 0;
    for (int row = 0; row < count; ++row) {
        const ResourceEntry& entry = reader_.Table().rows[static_cast<std::size_t>(row)];
        const QString fileName = ExportFileName(entry);
        const QString target = folder + (fileName.isEmpty() ? platform::DisplayName(PictureFileName(entry.Name())) : fileName);
        if (fileName.isEmpty() || !reader_.ExtractResource(row, platform::ToFileSystemPath(target))) {
            Tell(target + " Failed to save");
            ++failures;
        }
    }
    // The count tells of pictures only; failed side files, each named in its
    // own message already, must not end in a count of none that reads as success.
    if (failures > 0)
        Tell(QString::asprintf("%d of %d Failed to save", failures, count));
    else if (!failedSideFiles.isEmpty())
        Tell(QStringLiteral("Every picture was exported, but %1 could not be saved.").arg(failedSideFiles.join(" and ")));
    else
        Tell(QStringLiteral("Successfully exported!"));
}

// Dragged pictures stay until the Viewer goes, for a drop target that copies
// them late. They have a folder of their own, apart from the preview's files.
std::unique_ptr<QMimeData> ViewerDialog::MakeDragData()
{
    const int row = GetSelectedRow();
    QTemporaryDir* folder = PrivateFolder();
    if (!reader_.IsLoaded() || row < 0 || row >= reader_.Table().Count() || !folder)
        return nullptr;
    const QString fileName = ExportFileName(reader_.Table().rows[static_cast<std::size_t>(row)]);
    const QDir dragged(folder->filePath(QStringLiteral("dragged")));
    if (fileName.isEmpty() || !dragged.mkpath(QStringLiteral(".")))
        return nullptr;
    const QString target = dragged.filePath(fileName);
    if (!reader_.ExtractResource(row, platform::ToFileSystemPath(target)))
        return nullptr;
    auto carried = std::make_unique<QMimeData>();
    carried->setUrls({QUrl::fromLocalFile(target)});
    return carried;
}

}  // namespace skinwright::viewer
