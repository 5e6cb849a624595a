#pragma once

#include "editor/listview/row_data.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kanalo {

// Rows of `RowData` blocks under a list of columns. Column c shows text c of each row, so the
// owner decides which text lands where; nothing here is sorted or formatted. With a row source
// a block is filled only when the row is drawn or read after a change, so a change of every
// row costs only the rows on screen; without one the owner writes the blocks itself.
class RowTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct ColumnSpec {
        QString header;
        Qt::Alignment alignment = Qt::AlignLeft;
        int width = 0;
    };

    // Fills the block of one row from the owner's data.
    using RowSource = std::function<void(int row, RowData& data)>;

    explicit RowTableModel(QObject* parent = nullptr);

    void setRowSource(RowSource source) { source_ = std::move(source); }
    // Replaces all rows with `rows` zero-filled blocks.
    void setRowCount(int rows);
    // The block of a row, filled from the source first when it changed since.
    RowData& rowData(int row) { return filled(row); }
    const RowData& rowData(int row) const { return filled(row); }

    // Positions outside the current columns are ignored (insert accepts the end).
    void insertColumnAt(int position, const ColumnSpec& info);
    void removeColumnAt(int position);
    const ColumnSpec& column(int position) const { return columns_[std::size_t(position)]; }

    // Tell the views that a row's data changed (its block is filled again when next needed).
    void rowChanged(int row);
    void allRowsChanged();
    // Every block is filled again when next needed; the views are not told.
    void invalidateRows() { ++generation_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    RowData& filled(int row) const;

    // Filled lazily, hence mutable: reading a row is const to the views.
    // A block is allocated when its row is first filled: a list of 1999 rows shows with the
    // blocks of the rows on screen.
    mutable std::vector<std::unique_ptr<RowData>> rows_;
    mutable std::vector<std::uint32_t> filledIn_; // the generation each block was filled in
    std::uint32_t generation_ = 1;
    RowSource source_;
    std::vector<ColumnSpec> columns_;
};

} // namespace kanalo
