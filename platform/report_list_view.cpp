#include "report_list_view.h"

#include <QMouseEvent>

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

}  // namespace skinwright::platform
