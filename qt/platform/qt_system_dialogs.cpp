#include "qt_system_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "file_filter.h"
#include "folder_browser_dialog.h"
#include "modal.h"
#include "paths.h"

namespace skinwright::platform {
namespace {

constexpr int kLongestUnbrokenRun = 40;

// The text with a zero-width space after every 40 characters that stand
// without a space between them, so that a long file name wraps in the box
// rather than running off its edge.
QString Breakable(const QString& text)
{
    QString breakable;
    int run = 0;
    for (const QChar c : text) {
        breakable += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run == kLongestUnbrokenRun) {
            breakable += QChar(0x200B);
            run = 0;
        }
    }
    return breakable;
}

using behaviour::MessageAnswer;

QWidget* Owner(behaviour::WindowHandle owner)
{
    return static_cast<QWidget*>(owner);
}

}  // namespace

MessageAnswer QtSystemDialogs::ShowMessage(const behaviour::MessageRequest& request)
{
    const bool yesNo = request.buttons == behaviour::MessageButtons::YesNo;
    QMessageBox box(request.icon == behaviour::MessageIcon::None ? QMessageBox::NoIcon : QMessageBox::Warning,
                    QString::fromStdString(request.caption), Breakable(QString::fromStdString(request.text)),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok),
                    Owner(request.owner));
    box.setTextFormat(Qt::PlainText);
    RunModal(box);
    if (!yesNo)
        return MessageAnswer::Ok;
    // Closed without a button (Esc, the close box): the answer No.
    return box.standardButton(box.clickedButton()) == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::vector<std::filesystem::path> QtSystemDialogs::AskForFiles(const behaviour::FileRequest& request)
{
    QFileDialog dialog(Owner(request.owner));
    ConfigureFileDialog(dialog, request);
    if (RunModal(dialog) != QDialog::Accepted)
        return {};
    std::vector<std::filesystem::path> chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(ToFileSystemPath(file));
    return chosen;
}

std::optional<std::filesystem::path> QtSystemDialogs::BrowseForFolder(const behaviour::FolderRequest& request)
{
    return FolderBrowserDialog::Browse(request);
}

void ConfigureFileDialog(QFileDialog& dialog, const behaviour::FileRequest& request)
{
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    }
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = ToQtNameFilters(QString::fromStdString(request.filter));
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));

    // A name with a folder in it starts the dialog in that folder.
    QString name = QString::fromStdString(request.initialName);
    QString folder = FromFileSystemPath(request.initialFolder);
    if (name.contains(u'/')) {
        const QFileInfo info(name);
        folder = info.path();
        name = info.fileName();
    }
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!name.isEmpty())
        dialog.selectFile(name);
}

}  // namespace skinwright::platform
