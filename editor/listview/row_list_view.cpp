#include "editor/listview/row_list_view.h"

#include "core/channels/satellite_table.h"
#include "core/compare/update_comparison.h"
#include "core/format/cell_text.h"
#include "editor/base/editor_state.h"
#include "editor/base/qt_text.h"
#include "editor/base/rendered_icon.h"
#include "editor/base/wait_cursor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <numeric>

namespace kanalo {

namespace {

Qt::Alignment alignmentOf(ColumnAlign align) {
    switch (align) {
    case ColumnAlign::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ColumnAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

constexpr int kLastSortableKind = columnIndex(ColumnKind::Polarisation);
constexpr int kContextMenuShift = 5;

} // namespace

QCursor channelMoveCursor() {
    return QCursor(resourceIcon("move").pixmap(QSize(32, 32), 1.0), 0, 0);
}

CRowListView::CRowListView(EditorState& state, QWidget* parent)
    : CListViewEx(parent), state_(state), numbers_(kListCapacity) {
    std::iota(numbers_.begin(), numbers_.end(), 1);
    setKeepSelectionVisible(true);
    // Rows are formatted when they are drawn, not when the list changes.
    rows().setRowSource([this](int row, RowData& data) { fillRow(row, data); });
    connect(this, &CListViewEx::headerClicked, this, &CRowListView::onHeaderClicked);
}

void CRowListView::InsertColumns(bool measureScreen) {
    if (measureScreen) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        // Device pixels: at 200 % a 2560 x 1440 screen is a large one, though Qt lays it out
        // as 1280 x 720.
        const QSize desktop =
            screen ? screen->geometry().size() * screen->devicePixelRatio() : QSize(1024, 768);
        sizeClass_ = sizeClassFor(desktop.width(), desktop.height());
    }
    const ColumnSet& set = state_.columnSets.screen;
    int position = measureScreen ? 0 : 1;
    for (int k = measureScreen ? 0 : 1; k < kColumnCount; ++k) {
        const ColumnKind kind = columnKind(k);
        if (!set.shows(kind))
            continue;
        const ColumnInfo& info = columnInfo(kind);
        const char* header = state_.german ? info.headerGerman.data() : info.headerEnglish.data();
        const int width = shownWidth(kind);
        rows().insertColumnAt(position,
                              {QString::fromUtf8(header), alignmentOf(info.align), width});
        setColumnWidth(position, width);
        ++position;
    }
    columns_ = set;
    columnsInserted_ = true;
}

void CRowListView::ReplaceColumns() {
    WaitCursor wait;
    // The widths go by the kinds still on screen, before any column leaves.
    SaveColumnWidths();
    for (int k = 1; k < kColumnCount; ++k)
        if (columns_.shows(columnKind(k)))
            rows().removeColumnAt(1);
    InsertColumns(false);
    ShowList(state_.shownList, false);
}

void CRowListView::ShowList(ListKind list, bool renumber) {
    state_.shownList = list;
    if (!state_.listLoaded() || !state_.shownTable())
        return;
    setUpdatesEnabled(false);
    if (!rowsCreated_) {
        rows().setRowCount(static_cast<int>(kListCapacity));
        rowsCreated_ = true;
    }
    if (renumber)
        Renumber();
    RefreshRows(-1);
    allRowsChanged();
    setUpdatesEnabled(true);
    viewport()->update();
}

void CRowListView::Renumber() {
    std::iota(numbers_.begin(), numbers_.end(), 1);
    rows().invalidateRows();
    state_.numbersUnsorted = false;
}

std::vector<int> CRowListView::numberColumn() const {
    return numbers_;
}

void CRowListView::setNumberColumn(const RowNumbers& numbers) {
    for (std::size_t row = 0; row < kListCapacity; ++row)
        numbers_[row] = numbers.at(static_cast<int>(row));
    allRowsChanged();
}

void CRowListView::reorderNumberColumn(const std::vector<int>& order) {
    std::vector<int> reordered(kListCapacity);
    for (std::size_t row = 0; row < kListCapacity; ++row)
        reordered[row] = numbers_[static_cast<std::size_t>(order[row])];
    numbers_ = std::move(reordered);
    rows().invalidateRows();
}

void CRowListView::RefreshRows(int slot) {
    if (!rowsCreated_ || !state_.shownTable())
        return;
    const bool markDeleted = marksDeleted();
    const ConstChannelList main = state_.mainTable()->list(state_.shownList);
    if (slot >= 0) {
        if (markDeleted)
            deleted_[static_cast<std::size_t>(slot)] = isDeletedFromUpdate(
                main[static_cast<std::size_t>(slot)], state_.updateTable()->list(state_.shownList));
        rows().rowChanged(slot);
        return;
    }
    deleted_ = markDeleted ? deletedFromUpdate(main, state_.updateTable()->list(state_.shownList))
                           : std::vector<bool>(kListCapacity, false);
    rows().invalidateRows();
}

// Main-list channels missing from the Update-List are marked while "RedLines" is on.
bool CRowListView::marksDeleted() const {
    return state_.settings.redLines && state_.updateTable() && !state_.showingUpdate;
}

void CRowListView::fillRow(int slot, RowData& row) const {
    const auto index = static_cast<std::size_t>(slot);
    const ChannelRecord& record = state_.shownTable()->list(state_.shownList)[index];
    const SlotKind kind = slotKind(record, state_.shownList);
    row.slot = static_cast<std::int16_t>(slot);
    row.reserved = 0;
    row.colourFlags = 0;
    row.texts[0] = QString::number(numbers_[index]);
    if (kind != SlotKind::Free) {
        if (index < deleted_.size() && deleted_[index])
            row.colourFlags |= Deleted;
        if (!record.inUserList())
            row.colourFlags |= NotInUserList;
        if (record.epg())
            row.colourFlags |= EpgMark;
    }
    int position = 1;
    for (int k = 1; k < kColumnCount; ++k) {
        const ColumnKind column = columnKind(k);
        if (!columns_.shows(column))
            continue;
        row.texts[position++] =
            fromWindows1252(cellText(column, record, kind, state_.settings.pidRadix));
    }
    for (; position < kRowTextCount; ++position)
        row.texts[position].clear();
}

void CRowListView::LoadColumnWidths(const ColumnWidths& widths) {
    widths_ = widths;
}

ColumnWidths CRowListView::SaveColumnWidths() {
    if (columnsInserted_) {
        int position = 0;
        for (int k = 0; k < kColumnCount; ++k)
            if (columns_.shows(columnKind(k)))
                widths_.setWidth(sizeClass_, columnKind(k), columnWidth(position++));
    }
    return widths_;
}

void CRowListView::ResetColumnWidths() {
    widths_ = ColumnWidths();
    int position = 0;
    for (int k = 0; k < kColumnCount; ++k)
        if (columns_.shows(columnKind(k)))
            setColumnWidth(position++, shownWidth(columnKind(k)));
}

// The widest texts a column can hold, in the list's font, with the cells' insets.
int CRowListView::fittingWidth(ColumnKind kind) const {
    QStringList widest;
    const bool hex = state_.settings.pidRadix == PidRadix::Hex;
    switch (kind) {
    case ColumnKind::Number:
        widest << QStringLiteral("1999");
        break;
    case ColumnKind::SatNumber:
        widest << QStringLiteral("32");
        break;
    case ColumnKind::SatName:
        for (std::uint8_t index = 0; index < SatelliteTable::kCount; ++index)
            widest << QString::fromUtf8(SatelliteTable::displayText(index).data(),
                                        qsizetype(SatelliteTable::displayText(index).size()));
        break;
    case ColumnKind::Frequency:
    case ColumnKind::SymbolRate:
        widest << QStringLiteral("65535");
        break;
    case ColumnKind::Polarisation:
        widest << QStringLiteral("H") << QStringLiteral("V");
        break;
    case ColumnKind::Fec:
        widest << QStringLiteral("7/8") << QStringLiteral("---");
        break;
    case ColumnKind::PcrPid:
    case ColumnKind::VideoPid:
    case ColumnKind::AudioPid:
        widest << (hex ? QStringLiteral("1FFF") : QStringLiteral("8191"));
        break;
    case ColumnKind::ServiceId:
        widest << (hex ? QStringLiteral("FFFF") : QStringLiteral("65535"));
        break;
    case ColumnKind::Name:
        return 0; // names are cut short by design
    }
    int width = 0;
    for (const QString& text : widest)
        width = std::max(width, fontMetrics().horizontalAdvance(text));
    return width + kCellAllowance;
}

// A stored width as it is; a default one never narrower than the column's widest text.
int CRowListView::shownWidth(ColumnKind kind) const {
    const int width = widths_.width(sizeClass_, kind);
    return width == ColumnWidths().width(sizeClass_, kind) ? std::max(width, fittingWidth(kind))
                                                           : width;
}

void CRowListView::onHeaderClicked(int displayPosition) {
    if (!state_.listLoaded())
        return;
    const int kind = columns_.kindAtDisplayPosition(displayPosition);
    if (kind < 0 || kind > kLastSortableKind) {
        QApplication::beep();
        return;
    }
    if (!state_.showingUpdate && !state_.settings.sortMainList) {
        QApplication::beep();
        Q_EMIT sortRefused();
        return;
    }
    Q_EMIT sortRequested(columnKind(kind));
}

// Rows are selected whole, so the selection's ranges give the rows directly; asking the model
// row by row costs time in the square of the number of ranges.
std::vector<int> CRowListView::selectedRows() const {
    std::vector<int> result;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            result.push_back(row);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

void CRowListView::selectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (const int row : rows)
        selection.select(this->rows().index(row, 0),
                         this->rows().index(row, this->rows().columnCount() - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CRowListView::selectRowsFrom(const std::vector<int>& rows, int current) {
    selectRows(rows);
    currentRow_ = current;
    if (current >= 0)
        selectionModel()->setCurrentIndex(this->rows().index(current, 0),
                                          QItemSelectionModel::NoUpdate);
}

int CRowListView::rowAt(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    if (index.isValid())
        return index.row();
    // Past the last column the row still counts, as the whole row is painted there.
    const QModelIndex first = indexAt(QPoint(0, position.y()));
    return first.isValid() ? first.row() : -1;
}

void CRowListView::armExchange(Exchange exchange, int sourceRow) {
    pendingExchange_ = exchange;
    exchangeSource_ = sourceRow;
    showMoveCursor();
}

void CRowListView::cancelPendingExchange() {
    if (pendingExchange_ == Exchange::None)
        return;
    pendingExchange_ = Exchange::None;
    restoreCursor();
    Q_EMIT exchangeEnded();
}

void CRowListView::showMoveCursor() {
    if (!moveCursorShown_)
        viewport()->setCursor(channelMoveCursor());
    moveCursorShown_ = true;
}

void CRowListView::restoreCursor() {
    if (moveCursorShown_)
        viewport()->unsetCursor();
    moveCursorShown_ = false;
}

void CRowListView::mousePressEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (pendingExchange_ != Exchange::None) {
            cancelPendingExchange();
            return;
        }
        currentRow_ = row;
        if (!state_.showingUpdate)
            CListViewEx::mousePressEvent(event); // selects as usual
        if (row >= 0 || state_.showingUpdate)
            Q_EMIT contextMenuRequested(row, event->globalPosition().toPoint() -
                                                 QPoint(kContextMenuShift, 0));
        return;
    }
    if (event->button() != Qt::LeftButton) {
        CListViewEx::mousePressEvent(event);
        return;
    }
    if (pendingExchange_ != Exchange::None) {
        const Exchange exchange = pendingExchange_;
        cancelPendingExchange();
        if (row >= 0 && row != exchangeSource_) {
            if (exchange == Exchange::Move)
                Q_EMIT moveRequested(exchangeSource_, row);
            else
                Q_EMIT swapRequested(exchangeSource_, row);
        }
        return;
    }
    CListViewEx::mousePressEvent(event);
    if (!state_.showingUpdate && !state_.numbersUnsorted && row >= 0) {
        dragState_ = DragState::Armed;
        dragSource_ = row;
        firstCrossedRow_ = -1;
    }
}

void CRowListView::mouseMoveEvent(QMouseEvent* event) {
    if (pendingExchange_ != Exchange::None)
        showMoveCursor();
    if (!(event->buttons() & Qt::LeftButton))
        dragState_ = DragState::None;
    const int row = rowAt(event->position().toPoint());
    if (dragState_ == DragState::Armed && firstCrossedRow_ < 0)
        firstCrossedRow_ = row;
    if (dragState_ == DragState::None)
        CListViewEx::mouseMoveEvent(event); // a drag moves channels instead of selecting
    if (dragState_ == DragState::Dragging && row >= 0) {
        const QModelIndex top = indexAt(QPoint(0, 0));
        const bool atTop = row > 0 && top.isValid() && top.row() == row;
        scrollTo(rows().index(atTop ? row - 1 : std::min(row + 1, rows().rowCount() - 1), 0));
        // Nothing moves when the channel is dropped on itself or on the row above it.
        setDropRow(row != dragSource_ && row != dragSource_ - 1 ? row : -1);
        showMoveCursor();
    } else if (dragState_ == DragState::Armed && row != firstCrossedRow_) {
        dragState_ = DragState::Dragging;
        showMoveCursor();
    }
}

void CRowListView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragState_ == DragState::Dragging) {
        restoreCursor();
        const int row = rowAt(event->position().toPoint());
        setDropRow(-1);
        // The move is told while the drag still counts as running, so it is named a drag.
        if (row >= 0 && row != dragSource_)
            Q_EMIT moveRequested(dragSource_, row);
        dragState_ = DragState::None;
        return;
    }
    dragState_ = DragState::None;
    setDropRow(-1);
    CListViewEx::mouseReleaseEvent(event);
}

void CRowListView::setDropRow(int row) {
    if (row == dropRow_)
        return;
    dropRow_ = row;
    viewport()->update();
}

void CRowListView::paintEvent(QPaintEvent* event) {
    CListViewEx::paintEvent(event);
    if (dragState_ != DragState::Dragging || dropRow_ < 0)
        return;
    // Where the dragged channel will land: below the row under the mouse.
    const QRect row = rowRect(dropRow_);
    QPainter painter(viewport());
    painter.fillRect(QRect(row.left(), row.bottom() - 1, row.width(), 3),
                     palette().color(QPalette::Highlight));
}

void CRowListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        currentRow_ = row;
        return;
    }
    if (event->button() != Qt::LeftButton || row < 0 || !state_.shownTable())
        return;
    if (state_.showingUpdate) {
        currentRow_ = row;
        Q_EMIT differencesRequested(row);
        return;
    }
    const ConstChannelList list = state_.shownTable()->list(state_.shownList);
    if (!list[static_cast<std::size_t>(row)].isFree())
        Q_EMIT editRequested(row);
}

void CRowListView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A pending Move or Swap takes the current row as its target, as a click would.
    if (enter && pendingExchange_ != Exchange::None) {
        const Exchange exchange = pendingExchange_;
        const int target = currentIndex().isValid() ? currentIndex().row() : -1;
        cancelPendingExchange();
        if (target >= 0 && target != exchangeSource_)
            Q_EMIT(exchange == Exchange::Move ? moveRequested(exchangeSource_, target)
                                              : swapRequested(exchangeSource_, target));
        return;
    }
    // The Menu key and Shift+F10 open the row's context menu below the current row.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        const QModelIndex current = currentIndex();
        if (!current.isValid() && !state_.showingUpdate)
            return;
        currentRow_ = current.isValid() ? current.row() : -1;
        const QRect row = current.isValid() ? visualRect(current) : QRect();
        Q_EMIT contextMenuRequested(
            currentRow_, viewport()->mapToGlobal(QPoint(kContextMenuShift, row.bottom())));
        return;
    }
    if (enter) {
        const std::vector<int> selected = selectedRows();
        if (selected.size() == 1) {
            currentRow_ = selected.front();
            if (state_.showingUpdate)
                Q_EMIT differencesRequested(currentRow_);
            else
                Q_EMIT editRequested(currentRow_);
        }
        return;
    }
    if (event->key() == Qt::Key_Escape && pendingExchange_ != Exchange::None) {
        cancelPendingExchange();
        return;
    }
    CListViewEx::keyPressEvent(event);
}

} // namespace kanalo
