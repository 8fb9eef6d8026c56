#include "resource_list_model.h"

#include <utility>

#include "platform/paths.h"

namespace skinwright::shell {
namespace {

const char* const kNumberHeadings[] = {"Resource ID", "ID Offset", "Data Offset"};

QString HexText(std::uint32_t value)
{
    return QString::fromStdString(FormatHex32(value));
}

}  // namespace

ResourceListModel::ResourceListModel(QString firstHeading, QObject* parent)
    : QAbstractTableModel(parent)
    , firstHeading_(std::move(firstHeading))
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
    const ResourceEntry& entry = rows_[static_cast<std::size_t>(row)];
    switch (column) {
    case kName:
        return platform::DisplayName(entry.Name());
    case kResourceId:
        return HexText(entry.id);
    case kIdOffset:
        return HexText(static_cast<std::uint32_t>(entry.idOffset));
    default:
        return HexText(static_cast<std::uint32_t>(entry.dataOffset));
    }
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
        return section == kName ? firstHeading_ : QString::fromLatin1(kNumberHeadings[section - 1]);
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
