#include "resource_list_model.h"

#include <utility>

#include "behaviour/translation.h"


namespace skinwright::shell {
namespace {

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

ResourceListModel::ResourceListModel(const behaviour::ListColumns& columns, QObject* parent)
    : QAbstractTableModel(parent)
    , columns_(columns)
{
    rows_.reserve(kTableCapacity);
}

void ResourceListModel::BeginFilling()
{
    beginResetModel();
    rows_.clear();
}

void ResourceListModel::Append(const ResourceEntry& row)
{
    rows_.push_back(row);
}

void ResourceListModel::EndFilling()
{
    endResetModel();
}

QString ResourceListModel::CellText(int row, int column) const
{
    return Text(behaviour::CellText(rows_[static_cast<std::size_t>(row)], column));
}

int ResourceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResourceListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ResourceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ResourceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return Text(behaviour::Tr(columns_[static_cast<std::size_t>(section)].heading));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ResourceListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

}  // namespace skinwright::shell
