// The Builder: a resource list composed from pictures of a work folder (or
// taken over from the Viewer's packet), a comment, and "Generate Packet ..."
// that writes a new packet from them. It remembers its work folder, comments
// and packet folder in section "build" of the settings file.
#pragma once

#include <memory>

#include <QString>

#include "core/packet_format.h"
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

// What the Builder takes from outside: where its settings live, the message
// caption and the system dialogs.
struct BuilderEnvironment {
    behaviour::SystemDialogs& dialogs;
    QString settingsPath;
    QString applicationName;  // caption of every message box
};

class BuilderDialog : public platform::TemplateDialog {
    Q_OBJECT

public:
    explicit BuilderDialog(const BuilderEnvironment& environment, QWidget* parent = nullptr);
    ~BuilderDialog() override;

    // The list a template is copied into before the window is shown.
    ResourceTable& ResourceList() { return *table_; }

    const QString& WorkFolder() const { return workFolder_; }
    const QString& Comments() const { return comments_; }  // CR LF line breaks
    const QString& PacketFolder() const { return packetFolder_; }

    void OnChooseWorkFolder();
    void OnAddResource();
    void AddPictures(const QStringList& paths);
    void OnRemove();
    void OnRemoveAll();
    void GeneratePacket();
    void RefreshList();

    // Closing in any way ends here: Esc, Enter, the close box.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadState();
    void SaveState();
    void TakeBoxTexts();
    void Finish();
    behaviour::MessageAnswer Tell(const QString& text,
                                  behaviour::MessageButtons buttons = behaviour::MessageButtons::Ok,
                                  behaviour::MessageIcon icon = behaviour::MessageIcon::Exclamation);

    BuilderEnvironment environment_;
    platform::MultiLineEdit* commentsBox_;
    QLabel* countText_;
    platform::ReportListView* list_;
    shell::ImageTextButton* generateButton_;
    QLineEdit* workFolderBox_;
    shell::ResourceListModel* rows_;

    QString workFolder_;
    QString comments_;
    QString packetFolder_;
    std::unique_ptr<ResourceTable> table_;
    bool opened_ = false;
    bool finished_ = false;
};

}  // namespace skinwright::builder
