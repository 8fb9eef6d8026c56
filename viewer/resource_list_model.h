// The rows the Viewer's list shows: a copy of the rows of the last successful
// load, formatted only when a row is drawn. A failed load leaves it as it was.
#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "core/packet_format.h"

namespace skinwright::viewer {

class ResourceListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kName, kResourceId, kIdOffset, kDataOffset, kColumnCount };

    explicit ResourceListModel(QObject* parent = nullptr);

    // A load fills the list between these two: rows in order, then shown at once.
    void BeginFilling();
    void Append(const ResourceEntry& row);
    void EndFilling();

    // The text of a cell, as the list shows it.
    QString CellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ResourceEntry> rows_;
};

}  // namespace skinwright::viewer
