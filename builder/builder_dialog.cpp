#include "builder_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "behaviour/folder_chooser.h"
#include "behaviour/settings_file.h"
#include "core/resource_list.h"
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

constexpr int kWorkFolderLimit = 1024;
constexpr int kCommentsLimit = 8192;

platform::TemplateOptions BuilderControls()
{
    platform::TemplateOptions options;
    options.factories[kGenerateButton] = [](QWidget* parent) { return new shell::ImageTextButton(parent); };
    return options;
}

}  // namespace

BuilderDialog::BuilderDialog(const BuilderEnvironment& environment, QWidget* parent)
    : TemplateDialog(templates::BuilderTemplate(), parent, BuilderControls())
    , environment_(environment)
    , commentsBox_(ControlAs<platform::MultiLineEdit>(kCommentsBox))
    , countText_(ControlAs<QLabel>(kCountText))
    , list_(ControlAs<platform::ReportListView>(kResourceList))
    , generateButton_(ControlAs<shell::ImageTextButton>(kGenerateButton))
    , workFolderBox_(ControlAs<QLineEdit>(kWorkFolderBox))
    , rows_(new shell::ResourceListModel(QStringLiteral("Resource Name"), this))
    , table_(std::make_unique<ResourceTable>())
{
    LoadState();

    workFolderBox_->setMaxLength(kWorkFolderLimit);
    workFolderBox_->setText(workFolder_);
    commentsBox_->SetTextLimit(kCommentsLimit);
    commentsBox_->SetWindowsText(comments_);
    // Connected after filling the box, so the loaded comments stay as loaded.
    connect(commentsBox_, &QPlainTextEdit::textChanged, this,
        [this] { comments_ = commentsBox_->WindowsText(); });

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
    Finish();
}

// A template is copied in after creation, so the list is first filled when
// the window first shows.
void BuilderDialog::showEvent(QShowEvent* event)
{
    TemplateDialog::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    RefreshList();
}

void BuilderDialog::RefreshList()
{
    LayoutNameOffsets(*table_);
    rows_->BeginFilling();
    for (int i = 0; i < table_->Count(); ++i)
        rows_->Append(table_->rows[static_cast<std::size_t>(i)]);
    rows_->EndFilling();
    countText_->setText(QStringLiteral("New packet has %1 valid resources.").arg(table_->Count()));
    repaint();
}

void BuilderDialog::LoadState()
{
    using namespace behaviour;
    const auto settings = platform::ToFileSystemPath(environment_.settingsPath);
    workFolder_ = QString::fromStdString(
        ReadSetting(settings, kBuildSection, kWorkFolderKey, platform::DefaultFolder().toStdString()));
    comments_ = QString::fromStdString(DecodeComments(ReadSetting(settings, kBuildSection, kCommentsKey, {})));
    packetFolder_ = QString::fromStdString(ReadSetting(settings, kBuildSection, kResToSaveKey, {}));
}

void BuilderDialog::SaveState()
{
    using namespace behaviour;
    const auto settings = platform::ToFileSystemPath(environment_.settingsPath);
    WriteSetting(settings, kBuildSection, kWorkFolderKey, workFolder_.toStdString());
    WriteSetting(settings, kBuildSection, kCommentsKey, EncodeComments(comments_.toStdString()));
    WriteSetting(settings, kBuildSection, kResToSaveKey, packetFolder_.toStdString());
}

void BuilderDialog::TakeBoxTexts()
{
    workFolder_ = workFolderBox_->text();
    comments_ = commentsBox_->WindowsText();
}

void BuilderDialog::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    SaveState();
}

void BuilderDialog::done(int result)
{
    Finish();
    TemplateDialog::done(result);
}

// Enter on a focused push button clicks it and in the comments box makes a
// line break (Ctrl+Enter, which the box leaves alone, does nothing); anywhere
// else it takes both boxes' texts and closes the window.
void BuilderDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget* focused = focusWidget();
        if (auto* button = qobject_cast<QPushButton*>(focused)) {
            button->click();
        } else if (focused != commentsBox_) {
            TakeBoxTexts();
            accept();
        }
        return;
    }
    TemplateDialog::keyPressEvent(event);
}

void BuilderDialog::OnChooseWorkFolder()
{
    TakeBoxTexts();
    behaviour::FolderChooser chooser(platform::ToFileSystemPath(workFolder_), platform::HandleOf(this),
                                     environment_.dialogs);
    if (chooser.Show() != behaviour::FolderChooser::Ok)
        return;
    const QString chosen = platform::FromFileSystemPath(chooser.GetPath());
    const QString folder = platform::EnsureTrailingSeparator(chosen);
    if (platform::IsNetworkPath(chosen) || folder.size() > kWorkFolderLimit)
        return;
    workFolder_ = folder;
    workFolderBox_->setText(folder);
}

void BuilderDialog::OnRemove()
{
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    RemoveAt(*table_, selected.first().row());
    RefreshList();
}

void BuilderDialog::OnRemoveAll()
{
    if (Tell(QStringLiteral("Sure to delete all resources?"), behaviour::MessageButtons::YesNo)
        != behaviour::MessageAnswer::Yes)
        return;
    Clear(*table_);
    RefreshList();
}

behaviour::MessageAnswer BuilderDialog::Tell(const QString& text, behaviour::MessageButtons buttons,
                                             behaviour::MessageIcon icon)
{
    return behaviour::ShowMessageBox(environment_.dialogs, platform::HandleOf(this),
                                     environment_.applicationName.toStdString(), text.toStdString(), buttons, icon);
}

}  // namespace skinwright::builder
