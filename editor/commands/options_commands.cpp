#include "editor/commands/options_commands.h"

#include "editor/base/editor_state.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"
#include "editor/options/options_sheet.h"

#include <QAction>

namespace kanalo {

OptionsCommands::OptionsCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    connect(context_.action(Command::Options), &QAction::triggered, this,
            &OptionsCommands::showOptions);
    context_.onCommandStatesUpdated(
        this, [this] { context_.action(Command::Options)->setEnabled(true); });
}

OptionValues OptionsCommands::currentValues() const {
    const EditorState& state = context_.state();
    OptionValues values;
    values.boxType = static_cast<int>(state.receiver.boxType);
    values.firmware = state.receiver.firmware;
    values.transferAsk = state.settings.transferAsk;
    values.backupsKept = state.settings.backupsKept;
    values.sortMainList = state.settings.sortMainList;
    values.sortNumbers = state.settings.sortNumbers;
    values.ignoreNames = state.settings.ignoreNames;
    values.redLines = state.settings.redLines;
    values.pidRadix = state.settings.pidRadix;
    values.autoLoad = state.settings.autoLoad;
    values.comDevices = state.settings.comDevices;
    return values;
}

void OptionsCommands::showOptions() {
    context_.view()->cancelPendingExchange();
    EditorState& state = context_.state();
    COptionsSheet sheet(currentValues(), state.settings.transferAsk, state.settings.vbsFolder,
                        context_.widget());
    if (sheet.exec() == QDialog::Accepted)
        apply(sheet.values());
}

void OptionsCommands::apply(const OptionValues& values) {
    EditorState& state = context_.state();
    EditorSettings& settings = state.settings;
    settings.autoLoad = values.autoLoad;
    settings.sortMainList = values.sortMainList;
    settings.sortNumbers = values.sortNumbers;
    settings.transferAsk = values.transferAsk;
    settings.backupsKept = values.backupsKept;
    state.receiver.firmware = values.firmware;
    state.receiver.boxType = static_cast<BoxType>(values.boxType);
    settings.firmware = values.firmware;
    settings.boxType = values.boxType;
    settings.comDevices = values.comDevices;
    context_.widget()->update();

    const bool radixChanged = settings.pidRadix != values.pidRadix;
    const bool redLinesChanged = settings.redLines != values.redLines;
    settings.pidRadix = values.pidRadix;
    settings.redLines = values.redLines;
    if (state.listLoaded() &&
        (radixChanged || (redLinesChanged && state.hasUpdateList() && !state.showingUpdate))) {
        WaitCursor wait;
        context_.view()->ShowList(state.shownList, false);
    }

    const bool ignoreNamesChanged = settings.ignoreNames != values.ignoreNames;
    settings.ignoreNames = values.ignoreNames;
    if (ignoreNamesChanged && state.hasUpdateList() && state.showingUpdate)
        context_.documents().markUpdateDifferences();
    context_.updateCommandStates();
}

} // namespace kanalo
