#include "viewer_dialog.h"

#include <QAction>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "behaviour/shown_controls.h"
#include "behaviour/translation.h"
#include "builder/builder_dialog.h"
#include "core/resource_list.h"
#include "platform/dropped_files.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/picture.h"
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

platform::TemplateOptions ViewerControls()
{
    platform::TemplateOptions options;
    options.factories[kHelpButton] = [](QWidget* parent) { return new shell::ImageTextButton(parent); };
    return options;
}

std::vector<std::filesystem::path> DroppedPaths(const QDropEvent& event)
{
    std::vector<std::filesystem::path> paths;
    for (const QString& file : platform::DroppedFiles(event))
        paths.push_back(platform::ToFileSystemPath(file));
    return paths;
}

}  // namespace

ViewerDialog::ViewerDialog(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs, QWidget* parent)
    : TemplateDialog(templates::ViewerTemplate(), parent, ViewerControls())
    , setup_(setup)
    , dialogs_(dialogs)
    , pathField_(ControlAs<QLineEdit>(kPathField))
    , list_(ControlAs<platform::ReportListView>(kResourceList))
    , rows_(new shell::ResourceListModel(behaviour::kViewerColumns, this))
    , pictureArea_(ControlAs<QLabel>(kPictureArea))
    , statusLine_(ControlAs<QLabel>(kStatusLine))
    , viewer_(std::make_unique<behaviour::Viewer>(static_cast<behaviour::ViewerView&>(*this), dialogs_, setup_))
{
    pathField_->setMaxLength(behaviour::kPathFieldLimit);
    setWindowIcon(art::AppIcon());
    SetUpHelp();
    SetUpList();
    // Files dropped anywhere on the window, the path field included, open.
    setAcceptDrops(true);
    pathField_->setAcceptDrops(false);

    connect(pathField_, &QLineEdit::textChanged, this,
            [this](const QString& text) { viewer_->OnPathChanged(text.toStdString()); });
    connect(ControlAs<QPushButton>(kPickButton), &QPushButton::clicked, this, &ViewerDialog::OnPickPacket);
    connect(ControlAs<QPushButton>(kSaveAsButton), &QPushButton::clicked, this, &ViewerDialog::OnSaveAs);
    connect(ControlAs<QPushButton>(kSaveAllButton), &QPushButton::clicked, this, &ViewerDialog::OnSaveAll);
    connect(ControlAs<QPushButton>(kBuildButton), &QPushButton::clicked, this, &ViewerDialog::OnBuildNewPacket);

    viewer_->Start();
    pathField_->setFocus();
}

ViewerDialog::~ViewerDialog()
{
    viewer_->Finish();
}

// The Help button and, standing in for the system-menu item, the window's
// context menu (and F1, see keyPressEvent) open the About window.
void ViewerDialog::SetUpHelp()
{
    auto* help = ControlAs<shell::ImageTextButton>(kHelpButton);
    help->SetImages(art::kHelpBitmapId);
    connect(help, &QPushButton::clicked, this, &ViewerDialog::OnHelp);

    auto* about = new QAction(QString::fromStdString(behaviour::Tr(behaviour::kAboutMenuText)), this);
    connect(about, &QAction::triggered, this, &ViewerDialog::OnHelp);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// A left click in the list previews the row it left selected, and so does
// a selection moved by the keyboard; a double click saves it.
void ViewerDialog::SetUpList()
{
    shell::SetUpResourceList(*list_, *rows_);
    connect(list_, &platform::ReportListView::LeftClicked, this, &ViewerDialog::OnListClick);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { viewer_->OnSelectionMoved(); });
    connect(list_, &platform::ReportListView::LeftDoubleClicked, this, &ViewerDialog::OnSaveAs);
    list_->SetDragSource([this] { return MakeDragData(); });
}

void ViewerDialog::done(int result)
{
    viewer_->Finish();
    TemplateDialog::done(result);
}

// Enter on a focused push button clicks it, as on Windows; anywhere else,
// and Esc, go to the Viewer, which says whether the window closes. F1 opens
// the About window.
void ViewerDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnHelp();
        return;
    }
    if (!HandleClosingKeys(*event, [this](behaviour::ClosingKey key) { return viewer_->ClosesOn(key); }))
        TemplateDialog::keyPressEvent(event);
}

// Anything but a packet (a picture dragged from another Viewer's list, a
// folder) is refused before it could replace the open packet.
void ViewerDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (viewer_->TakesDrop(DroppedPaths(*event)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ViewerDialog::dropEvent(QDropEvent* event)
{
    if (viewer_->OnDrop(DroppedPaths(*event)))
        event->acceptProposedAction();
    else
        event->ignore();
}

std::unique_ptr<QMimeData> ViewerDialog::MakeDragData()
{
    const std::optional<std::filesystem::path> exported = viewer_->ExportForDrag();
    if (!exported)
        return nullptr;
    auto carried = std::make_unique<QMimeData>();
    carried->setUrls({QUrl::fromLocalFile(platform::FromFileSystemPath(*exported))});
    return carried;
}

int ViewerDialog::GetSelectedRow() const
{
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

behaviour::WindowHandle ViewerDialog::Window()
{
    return platform::HandleOf(this);
}

std::string ViewerDialog::PathText() const
{
    return pathField_->text().toStdString();
}

void ViewerDialog::SetPathText(const std::string& text)
{
    pathField_->setText(QString::fromStdString(text));
}

void ViewerDialog::BeginRows()
{
    rows_->BeginFilling();
}

void ViewerDialog::AddRow(const ResourceEntry& row)
{
    rows_->Append(row);
}

void ViewerDialog::EndRows()
{
    rows_->EndFilling();
}

void ViewerDialog::SetRowsEnabled(bool enabled)
{
    list_->setEnabled(enabled);
}

int ViewerDialog::SelectedRow() const
{
    return GetSelectedRow();
}

void ViewerDialog::SetStatus(const std::string& text)
{
    statusLine_->setText(QString::fromStdString(text));
}

void ViewerDialog::ShowPicture(const std::filesystem::path& file, const std::string& description)
{
    pictureArea_->setAlignment(Qt::AlignCenter);
    pictureArea_->setPixmap(platform::LoadPictureFile(platform::FromFileSystemPath(file)));
    pictureArea_->setAccessibleName(QString::fromStdString(description));
}

void ViewerDialog::ClearPicture()
{
    pictureArea_->clear();
    pictureArea_->setAccessibleName(QString::fromStdString(behaviour::Tr(kNoPictureName)));
}

void ViewerDialog::Repaint()
{
    repaint();
}

void ViewerDialog::ShowAbout()
{
    shell::ShowAboutDialog(this);
}

// A fresh Builder for each click, shown modally and discarded.
void ViewerDialog::RunBuilder(const ResourceTable* templateRows)
{
    builder::BuilderDialog builder(setup_, dialogs_, this);
    if (templateRows)
        CopyFromTemplate(builder.ResourceList(), *templateRows);
    platform::RunModal(builder);
}

}  // namespace skinwright::viewer
