#include "viewer_dialog.h"

#include <QAction>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "behaviour/settings_file.h"
#include "platform/dropped_files.h"
#include "platform/paths.h"
#include "platform/qt_system_dialogs.h"
#include "platform/report_list_view.h"
#include "res/art/art.h"
#include "res/templates/dialog_templates.h"
#include "shell/about_dialog.h"
#include "shell/image_text_button.h"
#include "shell/resource_list_view.h"

namespace skinwright::viewer {
namespace {

using namespace templates::viewer;

constexpr int kPathLimit = 1024;

platform::TemplateOptions ViewerControls()
{
    platform::TemplateOptions options;
    options.factories[kHelpButton] = [](QWidget* parent) { return new shell::ImageTextButton(parent); };
    return options;
}

}  // namespace

ViewerDialog::ViewerDialog(const ViewerEnvironment& environment, QWidget* parent)
    : TemplateDialog(templates::ViewerTemplate(), parent, ViewerControls())
    , environment_(environment)
    , pathField_(ControlAs<QLineEdit>(kPathField))
    , list_(ControlAs<platform::ReportListView>(kResourceList))
    , rows_(new shell::ResourceListModel(QStringLiteral("Possible Resource Name"), this))
    , pictureArea_(ControlAs<QLabel>(kPictureArea))
    , statusLine_(ControlAs<QLabel>(kStatusLine))
{
    LoadState();
    // A path the field could not hold whole is not opened at all.
    if (!environment_.startPacket.isEmpty() && environment_.startPacket.size() <= kPathLimit)
        packetPath_ = environment_.startPacket;

    pathField_->setMaxLength(kPathLimit);
    setWindowIcon(art::AppIcon());
    SetUpHelp();
    SetUpList();
    // Files dropped anywhere on the window, the path field included, open.
    setAcceptDrops(true);
    pathField_->setAcceptDrops(false);

    connect(pathField_, &QLineEdit::textChanged, this, &ViewerDialog::OnPathChanged);
    connect(ControlAs<QPushButton>(kPickButton), &QPushButton::clicked, this, &ViewerDialog::OnPickPacket);
    connect(ControlAs<QPushButton>(kSaveAsButton), &QPushButton::clicked, this, &ViewerDialog::OnSaveAs);
    connect(ControlAs<QPushButton>(kSaveAllButton), &QPushButton::clicked, this, &ViewerDialog::OnSaveAll);
    connect(ControlAs<QPushButton>(kBuildButton), &QPushButton::clicked, this, &ViewerDialog::OnBuildNewPacket);

    if (!packetPath_.isEmpty())
        pathField_->setText(packetPath_);
    pathField_->setFocus();
}

ViewerDialog::~ViewerDialog()
{
    Finish();
}

// The Help button and, standing in for the system-menu item, the window's
// context menu (and F1, see keyPressEvent) open the About window.
void ViewerDialog::SetUpHelp()
{
    auto* help = ControlAs<shell::ImageTextButton>(kHelpButton);
    help->SetImages(art::kHelpBitmapId);
    connect(help, &QPushButton::clicked, this, &ViewerDialog::OnHelp);

    auto* about = new QAction(QStringLiteral("About Skinwright(&A) and Help ..."), this);
    connect(about, &QAction::triggered, this, &ViewerDialog::OnHelp);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// A left click in the list previews the row it left selected; a double
// click saves it.
void ViewerDialog::SetUpList()
{
    shell::SetUpResourceList(*list_, *rows_);
    connect(list_, &platform::ReportListView::LeftClicked, this, &ViewerDialog::OnListClick);
    connect(list_, &platform::ReportListView::LeftDoubleClicked, this, &ViewerDialog::OnSaveAs);
    list_->SetDragSource([this] { return MakeDragData(); });
}

void ViewerDialog::LoadState()
{
    using namespace behaviour;
    const auto settings = platform::ToFileSystemPath(environment_.settingsPath);
    packetPath_ = QString::fromStdString(ReadSetting(settings, kDefaultSection, kLastResFileKey, {}));
    outputFolder_ = QString::fromStdString(
        ReadSetting(settings, kDefaultSection, kOutputFolderKey, platform::DefaultFolder().toStdString()));
}

void ViewerDialog::SaveState()
{
    using namespace behaviour;
    const auto settings = platform::ToFileSystemPath(environment_.settingsPath);
    WriteSetting(settings, kDefaultSection, kLastResFileKey, packetPath_.toStdString());
    WriteSetting(settings, kDefaultSection, kOutputFolderKey, outputFolder_.toStdString());
}

void ViewerDialog::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    reader_.Close();
    SaveState();
}

void ViewerDialog::done(int result)
{
    Finish();
    TemplateDialog::done(result);
}

// Enter on a focused push button clicks it, as on Windows; anywhere else it
// closes the window, like Esc. F1 opens the About window.
void ViewerDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnHelp();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            accept();
        return;
    }
    TemplateDialog::keyPressEvent(event);
}

namespace {

// The first file dropped from outside the program, when it is a packet and
// the field can hold its path. Anything else (a picture dragged from another
// Viewer's list, a folder) is refused before it could replace the open packet.
QString DroppedPacket(const QDropEvent& event)
{
    const QStringList files = platform::DroppedFiles(event);
    if (files.isEmpty() || files.first().size() > kPathLimit
        || !StartsLikePacket(platform::ToFileSystemPath(files.first())))
        return {};
    return files.first();
}

}  // namespace

void ViewerDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedPacket(*event).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void ViewerDialog::dropEvent(QDropEvent* event)
{
    const QString packet = DroppedPacket(*event);
    if (packet.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenPath(packet);
}

int ViewerDialog::GetSelectedRow() const
{
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ViewerDialog::OnPathChanged(const QString& text)
{
    packetPath_ = text;
    reader_.LoadPacket(platform::ToFileSystemPath(text), *this);
}

void ViewerDialog::OnPickPacket()
{
    behaviour::FileRequest request;
    request.owner = platform::HandleOf(this);
    request.defaultExtension = "ezx";
    request.initialName = "*.ezx";
    request.filter = "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||";
    const std::vector<std::filesystem::path> chosen = environment_.dialogs.AskForFiles(request);
    if (!chosen.empty())
        OpenPath(platform::FromFileSystemPath(chosen.front()));
    update();
}

// Picking or dropping the path the field already holds loads it all the same.
void ViewerDialog::OpenPath(const QString& path)
{
    if (path == pathField_->text())
        OnPathChanged(path);
    else
        pathField_->setText(path);
}

void ViewerDialog::OnHelp()
{
    shell::ShowAboutDialog(this);
}

behaviour::MessageAnswer ViewerDialog::Tell(const QString& text, behaviour::MessageButtons buttons)
{
    return behaviour::ShowMessageBox(environment_.dialogs, platform::HandleOf(this),
                                     environment_.applicationName.toStdString(), text.toStdString(), buttons);
}

void ViewerDialog::ShowDamagedWarning(std::string_view text)
{
    Tell(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void ViewerDialog::ClearList()
{
    rows_->BeginFilling();
}

void ViewerDialog::AddListRow(int, const ResourceEntry& row)
{
    rows_->Append(row);
}

void ViewerDialog::SetStatus(std::string_view text)
{
    rows_->EndFilling();
    statusLine_->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace skinwright::viewer
