// The list-view control of a dialog template: a report view that tells its
// window of left clicks and double clicks anywhere in it, rows or empty area.
#pragma once

#include <QTableView>

namespace skinwright::platform {

class ReportListView : public QTableView {
    Q_OBJECT

public:
    explicit ReportListView(QWidget* parent = nullptr);

signals:
    // After the view has handled the release, so the selection is the one
    // the click left. The release that ends a double click is no click.
    void LeftClicked();
    void LeftDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool doubleClicked_ = false;
};

}  // namespace skinwright::platform
