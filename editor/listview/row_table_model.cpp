#include "editor/listview/row_table_model.h"

#include <algorithm>

namespace kanalo {

RowTableModel::RowTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void RowTableModel::setRowCount(int rows) {
    beginResetModel();
    rows_.clear();
    rows_.resize(std::size_t(std::max(rows, 0)));
    filledIn_.assign(rows_.size(), 0);
    endResetModel();
}

RowData& RowTableModel::filled(int row) const {
    const auto index = std::size_t(row);
    std::unique_ptr<RowData>& block = rows_[index];
    if (!block)
        block = std::make_unique<RowData>();
    if (source_ && filledIn_[index] != generation_) {
        source_(row, *block);
        filledIn_[index] = generation_;
    }
    return *block;
}

void RowTableModel::insertColumnAt(int position, const ColumnSpec& info) {
    if (position < 0 || position > columnCount())
        return;
    beginInsertColumns({}, position, position);
    columns_.insert(columns_.begin() + position, info);
    endInsertColumns();
}

void RowTableModel::removeColumnAt(int position) {
    if (position < 0 || position >= columnCount())
        return;
    beginRemoveColumns({}, position, position);
    columns_.erase(columns_.begin() + position);
    endRemoveColumns();
}

void RowTableModel::rowChanged(int row) {
    if (row < 0 || row >= rowCount())
        return;
    filledIn_[std::size_t(row)] = 0;
    if (columnCount() == 0)
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
}

void RowTableModel::allRowsChanged() {
    invalidateRows();
    if (rowCount() == 0 || columnCount() == 0)
        return;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

int RowTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int RowTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() >= kRowTextCount)
            return QString();
        return rowData(index.row()).texts[std::size_t(index.column())];
    case Qt::TextAlignmentRole:
        return int(column(index.column()).alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return column(section).header;
    case Qt::TextAlignmentRole:
        return int(column(section).alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags RowTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace kanalo
