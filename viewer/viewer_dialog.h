// The main window: a packet path, the packet's resources in a four-column
// list, a preview of the clicked picture, and export of one or all pictures.
#pragma once

#include <memory>

#include <QString>

#include "core/packet.h"
#include "behaviour/system_dialogs.h"
#include "platform/template_dialog.h"
#include "shell/resource_list_model.h"

class QLabel;
class QLineEdit;
class QMimeData;
class QTemporaryDir;

namespace skinwright::platform {
class ReportListView;
}

namespace skinwright::viewer {

// What the Viewer takes from outside: where its settings live, the program
// folder, the message caption, the system dialogs, the packet the command
// line named, and whether the program folder is one to save into.
struct ViewerEnvironment {
    behaviour::SystemDialogs& dialogs;
    QString settingsPath;
    QString programFolder;    // ends in a separator
    QString applicationName;  // caption of every message box
    QString startPacket;      // opened instead of the remembered packet
    bool portable = true;     // keeps its files beside itself; an installed program does not
};

class ViewerDialog : public platform::TemplateDialog, private LoadTarget {
    Q_OBJECT

public:
    explicit ViewerDialog(const ViewerEnvironment& environment, QWidget* parent = nullptr);
    ~ViewerDialog() override;

    // The selected row, or -1.
    int GetSelectedRow() const;

    const PacketReader& Reader() const { return reader_; }
    const QString& OutputFolder() const { return outputFolder_; }

    void OnPickPacket();
    void OnSaveAs();
    void OnSaveAll();
    void OnListClick();
    void OnHelp();
    void OnBuildNewPacket();

    // What a drag of the selected row carries: its picture as a file named as
    // export names it, in the private temporary folder. Null when the row's
    // name or record cannot be exported.
    std::unique_ptr<QMimeData> MakeDragData();

    // Closing in any way ends here: Esc, Enter, the close box.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SetUpList();
    void SetUpHelp();
    void OnPathChanged(const QString& text);
    void OpenPath(const QString& path);
    QTemporaryDir* PrivateFolder();
    QString SavingFolder() const;
    void LoadState();
    void SaveState();
    void Finish();
    behaviour::MessageAnswer Tell(const QString& text,
                                  behaviour::MessageButtons buttons = behaviour::MessageButtons::Ok);

    // What a load shows.
    void ShowDamagedWarning(std::string_view text) override;
    void ClearList() override;
    void AddListRow(int index, const ResourceEntry& row) override;
    void SetStatus(std::string_view text) override;

    ViewerEnvironment environment_;
    QLineEdit* pathField_;
    platform::ReportListView* list_;
    shell::ResourceListModel* rows_;
    QLabel* pictureArea_;
    QLabel* statusLine_;

    PacketReader reader_;
    QString packetPath_;
    QString outputFolder_;
    std::unique_ptr<QTemporaryDir> privateFolder_;
    bool finished_ = false;
};

}  // namespace skinwright::viewer
