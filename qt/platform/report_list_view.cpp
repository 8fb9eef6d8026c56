#include "report_list_view.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

#include "dropped_files.h"

namespace skinwright::platform {

ReportListView::ReportListView(QWidget* parent)
    : QTableView(parent)
{
}

void ReportListView::mousePressEvent(QMouseEvent* event)
{
    doubleClicked_ = false;
    QTableView::mousePressEvent(event);
}

// A double click away from the pressed row reaches the base class's press
// handler too, so the flag is set only after the base class has run.
void ReportListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        doubleClicked_ = true;
        emit LeftDoubleClicked();
    }
}

void ReportListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    const bool endsDoubleClick = doubleClicked_;
    doubleClicked_ = false;
    if (event->button() == Qt::LeftButton && !endsDoubleClick)
        emit LeftClicked();
}

void ReportListView::AcceptFileDrops()
{
    setAcceptDrops(true);
    setDragDropMode(makeDragData_ ? DragDrop : DropOnly);
}

void ReportListView::SetDragSource(DragData makeData)
{
    makeDragData_ = std::move(makeData);
    setDragEnabled(true);
    setDragDropMode(acceptDrops() ? DragDrop : DragOnly);
}

// Enter and move are answered alike, so the drop is offered where it is taken.
void ReportListView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void ReportListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptDrops() && !DroppedFiles(*event).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ReportListView::dropEvent(QDropEvent* event)
{
    const QStringList files = acceptDrops() ? DroppedFiles(*event) : QStringList();
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit FilesDropped(files);
}

void ReportListView::startDrag(Qt::DropActions)
{
    if (!makeDragData_)
        return;
    std::unique_ptr<QMimeData> carried = makeDragData_();
    if (!carried)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(carried.release());
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

}  // namespace skinwright::platform
