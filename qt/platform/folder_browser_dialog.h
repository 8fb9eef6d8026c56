// The folder browser: the title above a tree of the file system's folders,
// a status line, OK and Cancel. It reports its start and every change of
// selection to the request's callbacks, which may set the selection and the
// status text in turn.
#pragma once

#include <optional>

#include <QDialog>
#include <QPersistentModelIndex>

#include "behaviour/system_dialogs.h"

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace skinwright::platform {

class FolderBrowserDialog : public QDialog, public behaviour::FolderBrowser {
public:
    explicit FolderBrowserDialog(const behaviour::FolderRequest& request);

    // Selects the folder and keeps it in view while the tree fills in.
    void SetSelection(const std::filesystem::path& folder) override;
    void SetStatusText(const std::string& text) override;

    // The selected folder's path, or none while nothing is selected.
    std::optional<QString> SelectedFolder() const;
    QString StatusText() const;
    QTreeView* Tree() const { return tree_; }

    // Runs the browser through RunModal: the selected folder on OK, none
    // on Cancel.
    static std::optional<std::filesystem::path> Browse(const behaviour::FolderRequest& request);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCurrentChanged();
    void KeepSelectionInView();
    void StopFollowing();

    behaviour::FolderRequest request_;
    QFileSystemModel* model_;
    QTreeView* tree_;
    QLabel* status_;
    QPushButton* ok_;
    bool initialized_ = false;
    // The folder SetSelection chose. The model lists folders a while after
    // they are asked for, and each listing and sort moves the rows; the tree
    // follows this folder until the user scrolls, clicks, types or selects.
    QPersistentModelIndex followed_;
};

}  // namespace skinwright::platform
