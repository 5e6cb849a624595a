#pragma once

#include "core/channels/channel_table.h"
#include "core/format/column_set.h"
#include "core/listops/list_history.h"
#include "editor/listview/list_view_ex.h"

#include <QCursor>
#include <optional>

namespace kanalo {

struct EditorState;

// The channel list: 1999 rows, row i showing slot i of the shown list. It never owns channel
// data; every command that changes records calls ShowList, RefreshRows or Renumber afterwards.
class CRowListView : public CListViewEx {
    Q_OBJECT

public:
    enum class Exchange { None, Move, Swap };
    enum class DragState { None, Armed, Dragging };

    explicit CRowListView(EditorState& state, QWidget* parent = nullptr);

    void ShowList(ListKind list, bool renumber);
    void RefreshRows(int slot); // -1: every row, without redrawing
    void Renumber();
    void InsertColumns(bool measureScreen);
    // Replaces the columns on screen by those of the screen column set, each kind keeping
    // its width.
    void ReplaceColumns();

    void LoadColumnWidths(const ColumnWidths& widths);
    ColumnWidths SaveColumnWidths();
    void ResetColumnWidths();
    SizeClass sizeClass() const { return sizeClass_; }

    // A Move or Swap armed from the context menu waits for its target row.
    void armExchange(Exchange exchange, int sourceRow);
    void cancelPendingExchange();
    Exchange pendingExchange() const { return pendingExchange_; }
    DragState dragState() const { return dragState_; }

    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }
    // Selects exactly these rows and makes `current` the row the keyboard goes on from.
    void selectRowsFrom(const std::vector<int>& rows, int current);

    // Rows that are selected, in ascending order; and selecting exactly the given rows.
    std::vector<int> selectedRows() const;
    void selectRows(const std::vector<int>& rows);

    // The number column: each row's number, and setting them again (undo of a sort).
    std::vector<int> numberColumn() const;
    void setNumberColumn(const RowNumbers& numbers);
    // After the list was rewritten in this order of its slots, the number texts follow their
    // rows.
    void reorderNumberColumn(const std::vector<int>& order);

Q_SIGNALS:
    void moveRequested(int sourceRow, int targetRow);
    void swapRequested(int sourceRow, int targetRow);
    void editRequested(int row);
    void differencesRequested(int row);
    void contextMenuRequested(int row, const QPoint& globalPosition);
    // A pending Move or Swap ended, with or without a move.
    void exchangeEnded();
    // A header click on a column that may be sorted; the sort itself is the owner's business.
    void sortRequested(ColumnKind kind);
    // A header click on the Main-List while its sorting is off in the options.
    void sortRefused();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onHeaderClicked(int displayPosition);
    int fittingWidth(ColumnKind kind) const;
    int shownWidth(ColumnKind kind) const;
    // The row source: one row's number, colours and texts, from the table on screen.
    void fillRow(int slot, RowData& row) const;
    bool marksDeleted() const;
    int rowAt(const QPoint& position) const;
    void showMoveCursor();
    void restoreCursor();

    EditorState& state_;
    ColumnWidths widths_;
    SizeClass sizeClass_ = SizeClass::Large;
    // The kinds of the columns on screen, which the screen set may already have left behind.
    ColumnSet columns_;
    bool rowsCreated_ = false;
    bool columnsInserted_ = false;

    std::vector<int> numbers_;  // the number column, row by row
    std::vector<bool> deleted_; // rows marked as missing from the Update-List
    int currentRow_ = -1;
    Exchange pendingExchange_ = Exchange::None;
    int exchangeSource_ = -1;
    DragState dragState_ = DragState::None;
    int dragSource_ = -1;
    int firstCrossedRow_ = -1;
    int dropRow_ = -1; // a dragged channel lands below this row: the marker line is drawn there
    void setDropRow(int row);
    bool moveCursorShown_ = false;
};

// The editor's move cursor: an arrow with a rectangle under it, hot spot at the arrow's tip.
QCursor channelMoveCursor();

} // namespace kanalo
