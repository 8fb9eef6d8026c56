#include "builder_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "behaviour/shown_controls.h"
#include "platform/multi_line_edit.h"
#include "platform/paths.h"
#include "platform/qt_system_dialogs.h"
#include "platform/report_list_view.h"
#include "res/art/art.h"
#include "res/templates/dialog_templates.h"
#include "shell/image_text_button.h"
#include "shell/resource_list_model.h"
#include "shell/resource_list_view.h"

namespace skinwright::builder {
namespace {

using namespace templates::builder;


platform::TemplateOptions BuilderControls()
{
    platform::TemplateOptions options;
    options.factories[kGenerateButton] = [](QWidget* parent) { return new shell::ImageTextButton(parent); };
    return options;
}

}  // namespace

BuilderDialog::BuilderDialog(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs, QWidget* parent)
    : TemplateDialog(templates::BuilderTemplate(), parent, BuilderControls())
    , commentsBox_(ControlAs<platform::MultiLineEdit>(kCommentsBox))
    , countText_(ControlAs<QLabel>(kCountText))
    , list_(ControlAs<platform::ReportListView>(kResourceList))
    , generateButton_(ControlAs<shell::ImageTextButton>(kGenerateButton))
    , workFolderBox_(ControlAs<QLineEdit>(kWorkFolderBox))
    , rows_(new shell::ResourceListModel(behaviour::kBuilderColumns, this))
    , builder_(std::make_unique<behaviour::Builder>(static_cast<behaviour::BuilderView&>(*this), dialogs, setup))
{
    workFolderBox_->setMaxLength(behaviour::kWorkFolderLimit);
    commentsBox_->SetTextLimit(behaviour::kCommentsLimit);
    connect(commentsBox_, &QPlainTextEdit::textChanged, this,
        [this] { builder_->OnCommentsChanged(commentsBox_->WindowsText().toStdString()); });

    generateButton_->SetImages(art::kGenerateBitmapId);
    shell::SetUpResourceList(*list_, *rows_);
    list_->AcceptFileDrops();
    connect(list_, &platform::ReportListView::FilesDropped, this, &BuilderDialog::AddPictures);

    connect(ControlAs<QPushButton>(kPickFolderButton), &QPushButton::clicked, this, &BuilderDialog::OnChooseWorkFolder);
    connect(ControlAs<QPushButton>(kAddButton), &QPushButton::clicked, this, &BuilderDialog::OnAddResource);
    connect(ControlAs<QPushButton>(kRemoveButton), &QPushButton::clicked, this, &BuilderDialog::OnRemove);
    connect(ControlAs<QPushButton>(kRemoveAllButton), &QPushButton::clicked, this, &BuilderDialog::OnRemoveAll);
    connect(generateButton_, &QPushButton::clicked, this, &BuilderDialog::GeneratePacket);

    list_->setFocus();
}

BuilderDialog::~BuilderDialog()
{
    builder_->Finish();
}

// A template is copied in after creation, so the window starts when it
// first shows.
void BuilderDialog::showEvent(QShowEvent* event)
{
    TemplateDialog::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    builder_->Start();
}

void BuilderDialog::AddPictures(const QStringList& paths)
{
    std::vector<std::filesystem::path> files;
    for (const QString& path : paths)
        files.push_back(platform::ToFileSystemPath(path));
    builder_->AddPictures(files);
}

void BuilderDialog::done(int result)
{
    builder_->Finish();
    TemplateDialog::done(result);
}

// Enter on a focused push button clicks it and in the comments box makes a
// line break (Ctrl+Enter, which the box leaves alone, does nothing); anywhere
// else, and Esc, go to the Builder, which says whether the window closes.
void BuilderDialog::keyPressEvent(QKeyEvent* event)
{
    const bool handled = HandleClosingKeys(*event, [this](behaviour::ClosingKey key) {
        return focusWidget() != commentsBox_ && builder_->ClosesOn(key);
    });
    if (!handled)
        TemplateDialog::keyPressEvent(event);
}

behaviour::WindowHandle BuilderDialog::Window()
{
    return platform::HandleOf(this);
}

std::string BuilderDialog::WorkFolderText() const
{
    return workFolderBox_->text().toStdString();
}

void BuilderDialog::SetWorkFolderText(const std::string& text)
{
    workFolderBox_->setText(QString::fromStdString(text));
}

std::string BuilderDialog::CommentsText() const
{
    return commentsBox_->WindowsText().toStdString();
}

void BuilderDialog::SetCommentsText(const std::string& text)
{
    commentsBox_->SetWindowsText(QString::fromStdString(text));
}

void BuilderDialog::ShowRows(const ResourceTable& table)
{
    rows_->BeginFilling();
    for (int i = 0; i < table.Count(); ++i)
        rows_->Append(table.rows[static_cast<std::size_t>(i)]);
    rows_->EndFilling();
}

int BuilderDialog::SelectedRow() const
{
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void BuilderDialog::SetCountText(const std::string& text)
{
    countText_->setText(QString::fromStdString(text));
}

void BuilderDialog::Repaint()
{
    repaint();
}

}  // namespace skinwright::builder
