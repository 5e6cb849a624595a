#pragma once

#include "editor/listview/row_data.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace kanalo {

// Rows of `RowData` blocks under a list of columns. Column c shows text c of each row, so the
// owner decides which text lands where; nothing here is sorted or formatted.
class RowTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct ColumnSpec {
        QString header;
        Qt::Alignment alignment = Qt::AlignLeft;
        int width = 0;
    };

    explicit RowTableModel(QObject* parent = nullptr);

    // Replaces all rows with `rows` zero-filled blocks.
    void setRowCount(int rows);
    RowData& rowData(int row) { return rows_[std::size_t(row)]; }
    const RowData& rowData(int row) const { return rows_[std::size_t(row)]; }

    // Positions outside the current columns are ignored (insert accepts the end).
    void insertColumnAt(int position, const ColumnSpec& info);
    void removeColumnAt(int position);
    const ColumnSpec& column(int position) const { return columns_[std::size_t(position)]; }

    // Tell the views that the owner rewrote row blocks in place.
    void rowChanged(int row);
    void allRowsChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<RowData> rows_;
    std::vector<ColumnSpec> columns_;
};

} // namespace kanalo
