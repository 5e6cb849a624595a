#include "editor/commands/compare_commands.h"

#include "editor/dialogs/compare_dialog.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"

#include <QAction>

namespace kanalo {

CompareCommands::CompareCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    connect(frame_.action(Command::ShowDifferencesByName), &QAction::triggered, this,
            [this] { showDifferences(frame_.view()->currentRow(), CompareMode::ByName); });
    connect(frame_.action(Command::ShowDifferencesByFrequency), &QAction::triggered, this,
            [this] { showDifferences(frame_.view()->currentRow(), CompareMode::ByFrequency); });
    connect(frame_.view(), &CRowListView::differencesRequested, this,
            [this](int row) { showDifferences(row, CompareMode::ByName); });
    connect(&frame_, &CMainFrame::commandStatesUpdated, this, &CompareCommands::updateStates);
}

void CompareCommands::updateStates() {
    const EditorState& state = frame_.state();
    const bool onUpdateList = state.listLoaded() && state.hasUpdateList() && state.showingUpdate;
    frame_.action(Command::ShowDifferencesByName)->setEnabled(onUpdateList);
    frame_.action(Command::ShowDifferencesByFrequency)->setEnabled(onUpdateList);
}

void CompareCommands::showDifferences(int row, CompareMode mode) {
    EditorState& state = frame_.state();
    if (row < 0 || row >= static_cast<int>(kListCapacity) || !state.listLoaded() ||
        !state.hasUpdateList() || !state.showingUpdate)
        return;
    const ChannelList update = state.updateTable->list(state.shownList);
    // After a column sort without renumbering the row shows a number of its own.
    const QString number = state.numbersUnsorted ? frame_.view()->rows().rowData(row).texts[0]
                                                 : QString::number(row + 1);
    CCompareDlg dialog(state.mainTable->list(state.shownList),
                       update[static_cast<std::size_t>(row)], number, mode, &frame_);
    connect(&dialog, &CCompareDlg::channelCopied, &frame_, [this] { frame_.setModified(true); });
    dialog.exec();
}

} // namespace kanalo
