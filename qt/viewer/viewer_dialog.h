// The main window, the Qt front end of the Viewer: it makes the controls
// from template 102, forwards what the user does to the Viewer's behaviour
// and shows what that tells it.
#pragma once

#include <memory>

#include <QString>

#include "behaviour/program_setup.h"
#include "behaviour/system_dialogs.h"
#include "behaviour/viewer.h"
#include "platform/template_dialog.h"
#include "shell/resource_list_model.h"

class QLabel;
class QLineEdit;
class QMimeData;

namespace skinwright::platform {
class ReportListView;
}

namespace skinwright::viewer {

class ViewerDialog : public platform::TemplateDialog, private behaviour::ViewerView {
    Q_OBJECT

public:
    ViewerDialog(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs, QWidget* parent = nullptr);
    ~ViewerDialog() override;

    // The selected row, or -1.
    int GetSelectedRow() const;

    const PacketReader& Reader() const { return viewer_->Reader(); }
    QString OutputFolder() const { return QString::fromStdString(viewer_->OutputFolder()); }

    void OnPickPacket() { viewer_->OnPickPacket(); }
    void OnSaveAs() { viewer_->OnSaveAs(); }
    void OnSaveAll() { viewer_->OnSaveAll(); }
    void OnListClick() { viewer_->OnListClick(); }
    void OnHelp() { viewer_->OnHelp(); }
    void OnBuildNewPacket() { viewer_->OnBuildNewPacket(); }

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

    // The controls, as the Viewer's behaviour sees them.
    behaviour::WindowHandle Window() override;
    std::string PathText() const override;
    void SetPathText(const std::string& text) override;
    void BeginRows() override;
    void AddRow(const ResourceEntry& row) override;
    void EndRows() override;
    void SetRowsEnabled(bool enabled) override;
    int SelectedRow() const override;
    void SetStatus(const std::string& text) override;
    void ShowPicture(const std::filesystem::path& file, const std::string& description) override;
    void ClearPicture() override;
    void Repaint() override;
    void ShowAbout() override;
    void RunBuilder(const ResourceTable* templateRows) override;

    behaviour::ProgramSetup setup_;
    behaviour::SystemDialogs& dialogs_;
    QLineEdit* pathField_;
    platform::ReportListView* list_;
    shell::ResourceListModel* rows_;
    QLabel* pictureArea_;
    QLabel* statusLine_;
    std::unique_ptr<behaviour::Viewer> viewer_;
};

}  // namespace skinwright::viewer
