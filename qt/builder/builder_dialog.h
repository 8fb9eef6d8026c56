// The Builder's window, the Qt front end of the Builder: it makes the
// controls from template 129, forwards what the user does to the Builder's
// behaviour and shows what that tells it.
#pragma once

#include <memory>

#include <QString>

#include "behaviour/builder.h"
#include "behaviour/system_dialogs.h"
#include "platform/template_dialog.h"

class QLabel;
class QLineEdit;

namespace skinwright::platform {
class MultiLineEdit;
class ReportListView;
}
namespace skinwright::shell {
class ImageTextButton;
class ResourceListModel;
}

namespace skinwright::builder {

class BuilderDialog : public platform::TemplateDialog, private behaviour::BuilderView {
    Q_OBJECT

public:
    BuilderDialog(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs, QWidget* parent = nullptr);
    ~BuilderDialog() override;

    // The list a template is copied into before the window is shown.
    ResourceTable& ResourceList() { return builder_->ResourceList(); }

    QString WorkFolder() const { return QString::fromStdString(builder_->WorkFolder()); }
    QString Comments() const { return QString::fromStdString(builder_->Comments()); }  // CR LF line breaks
    QString PacketFolder() const { return QString::fromStdString(builder_->PacketFolder()); }

    void OnChooseWorkFolder() { builder_->OnChooseWorkFolder(); }
    void OnAddResource() { builder_->OnAddResource(); }
    void AddPictures(const QStringList& paths);
    void OnRemove() { builder_->OnRemove(); }
    void OnRemoveAll() { builder_->OnRemoveAll(); }
    void GeneratePacket() { builder_->GeneratePacket(); }

    // Closing in any way ends here: Esc, Enter, the close box.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls, as the Builder's behaviour sees them.
    behaviour::WindowHandle Window() override;
    std::string WorkFolderText() const override;
    void SetWorkFolderText(const std::string& text) override;
    std::string CommentsText() const override;
    void SetCommentsText(const std::string& text) override;
    void ShowRows(const ResourceTable& table) override;
    int SelectedRow() const override;
    void SetCountText(const std::string& text) override;
    void Repaint() override;

    platform::MultiLineEdit* commentsBox_;
    QLabel* countText_;
    platform::ReportListView* list_;
    shell::ImageTextButton* generateButton_;
    QLineEdit* workFolderBox_;
    shell::ResourceListModel* rows_;
    std::unique_ptr<behaviour::Builder> builder_;
    bool opened_ = false;
};

}  // namespace skinwright::builder
