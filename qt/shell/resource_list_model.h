// The rows a resource list shows, in the four columns both front ends show:
// name, id, name offset and data offset. It keeps a copy of the rows it was filled with and formats a
// cell only when it is drawn; it changes only when it is filled again.
#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "behaviour/shown_controls.h"
#include "core/packet_format.h"

namespace skinwright::shell {

class ResourceListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kName, kResourceId, kIdOffset, kDataOffset, kColumnCount };

    // The name column's heading differs between the windows.
    explicit ResourceListModel(const behaviour::ListColumns& columns, QObject* parent = nullptr);

    const behaviour::ListColumns& Columns() const { return columns_; }

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
    // Rows can be dragged where the view allows it.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const behaviour::ListColumns& columns_;
    std::vector<ResourceEntry> rows_;
};

}  // namespace skinwright::shell
