// The header-click sort of the channel list view.
#include "core/listops/channel_order.h"
#include "editor/base/editor_state.h"
#include "editor/base/wait_cursor.h"
#include "editor/listview/row_list_view.h"

namespace kanalo {

void CRowListView::SortByColumn(ColumnKind kind) {
    if (!state_.listLoaded() || !rowsCreated_)
        return;
    WaitCursor wait;
    ChannelList list = state_.shownTable()->list(state_.shownList);
    std::vector<int> order;
    if (kind == ColumnKind::Number) {
        std::vector<int> numbers(kListCapacity);
        for (int row = 0; row < static_cast<int>(kListCapacity); ++row) {
            bool ok = false;
            const int number = rows().rowData(row).texts[0].toInt(&ok);
            numbers[static_cast<std::size_t>(row)] = ok ? number : row + 1;
        }
        order = orderByNumberTexts(numbers);
    } else {
        order = sortedSlotOrder(list, state_.shownList, kind);
    }
    rewriteInOrder(list, order);

    // The number texts travel with their rows.
    std::vector<QString> numberTexts(kListCapacity);
    for (std::size_t row = 0; row < kListCapacity; ++row)
        numberTexts[row] = rows().rowData(order[row]).texts[0];
    for (std::size_t row = 0; row < kListCapacity; ++row)
        rows().rowData(static_cast<int>(row)).texts[0] = std::move(numberTexts[row]);

    if (state_.settings.sortNumbers)
        Renumber();
    else
        state_.numbersUnsorted = kind != ColumnKind::Number;
    RefreshRows(-1);
    rows().allRowsChanged();
    if (!state_.showingUpdate)
        state_.modified = true;
    scrollTo(currentIndex());
}

} // namespace kanalo
