#include "editor/commands/compare_commands.h"

#include "core/compare/compare_matches.h"
#include "editor/base/editor_state.h"
#include "editor/commands/editor_context.h"
#include "editor/dialogs/compare_dialog.h"
#include "editor/listview/row_list_view.h"

#include <QAction>

namespace kanalo {

CompareCommands::CompareCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    connect(context_.action(Command::ShowDifferencesByName), &QAction::triggered, this,
            [this] { showDifferences(context_.view()->currentRow(), CompareMode::ByName); });
    connect(context_.action(Command::ShowDifferencesByFrequency), &QAction::triggered, this,
            [this] { showDifferences(context_.view()->currentRow(), CompareMode::ByFrequency); });
    connect(context_.view(), &CRowListView::differencesRequested, this,
            [this](int row) { showDifferences(row, CompareMode::ByName); });
    context_.onCommandStatesUpdated(this, [this] { updateStates(); });
}

void CompareCommands::updateStates() {
    const EditorState& state = context_.state();
    const bool onUpdateList = state.listLoaded() && state.hasUpdateList() && state.showingUpdate;
    context_.action(Command::ShowDifferencesByName)->setEnabled(onUpdateList);
    context_.action(Command::ShowDifferencesByFrequency)->setEnabled(onUpdateList);
}

void CompareCommands::showDifferences(int row, CompareMode mode) {
    EditorState& state = context_.state();
    if (row < 0 || row >= static_cast<int>(kListCapacity) || !state.listLoaded() ||
        !state.hasUpdateList() || !state.showingUpdate)
        return;
    const ConstChannelList update = state.updateTable()->list(state.shownList);
    // After a column sort without renumbering the row shows a number of its own.
    const QString number = state.numbersUnsorted ? context_.view()->rows().rowData(row).texts[0]
                                                 : QString::number(row + 1);
    const ListKind half = state.shownList;
    const ChannelRecord& chosen = update[static_cast<std::size_t>(row)];
    CCompareDlg dialog(state.mainTable()->list(half), chosen, number, mode, context_.widget());
    connect(&dialog, &CCompareDlg::copyRequested, context_.widget(),
            [&](int slot, CCompareDlg::Copy copy) {
                const bool keepName = copy == CCompareDlg::Copy::KeepingName;
                context_.editList(keepName ? EditKind::CopyKeepingName : EditKind::CopyFromUpdate,
                                  ListTable::Main, [&](ChannelTable& table) {
                                      copyUpdateChannel(table.list(half),
                                                        static_cast<std::size_t>(slot), chosen,
                                                        keepName);
                                  });
                dialog.showMatch();
            });
    dialog.exec();
}

} // namespace kanalo
