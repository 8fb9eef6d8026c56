// The list-view control of a dialog template: a report view that tells its
// window of left clicks and double clicks anywhere in it, rows or empty area.
// It can take files dropped from a file manager, and give a row's data to a
// drag out of it.
#pragma once

#include <functional>
#include <memory>

#include <QStringList>
#include <QTableView>

class QMimeData;

namespace skinwright::platform {

class ReportListView : public QTableView {
    Q_OBJECT

public:
    // What a drag of the selected row carries; null when that row gives no drag.
    using DragData = std::function<std::unique_ptr<QMimeData>()>;

    explicit ReportListView(QWidget* parent = nullptr);

    // From now on, local files dropped on the list are reported by FilesDropped.
    void AcceptFileDrops();
    // From now on, a row dragged out of the list carries what `makeData` gives.
    void SetDragSource(DragData makeData);

signals:
    // After the view has handled the release, so the selection is the one
    // the click left. The release that ends a double click is no click.
    void LeftClicked();
    void LeftDoubleClicked();
    void FilesDropped(const QStringList& paths);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    bool doubleClicked_ = false;
    DragData makeDragData_;
};

}  // namespace skinwright::platform
