#include "editor/commands/find_commands.h"

#include "core/listops/duplicates.h"
#include "core/listops/transponders.h"
#include "editor/base/editor_context.h"
#include "editor/base/editor_settings.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/qt_text.h"
#include "editor/base/texts.h"
#include "editor/commands/document_commands.h"
#include "editor/dialogs/channel_dialog.h"
#include "editor/dialogs/channel_list_dialog.h"
#include "editor/listview/row_list_view.h"

#include <QAction>

namespace kanalo {

namespace {

const QList<int> kDuplicateTabStops{10, 30, 50, 130, 150};

QString lineText(const std::string& bytes) {
    return fromWindows1252(bytes);
}

} // namespace

FindCommands::FindCommands(EditorContext& context) : QObject(context.widget()), context_(context) {
    using C = Command;
    const auto on = [this](Command command, auto handler) {
        connect(context_.action(command), &QAction::triggered, this, handler);
    };
    on(C::FindName, [this] { findName(); });
    on(C::FindFrequency, [this] { findFrequency(); });
    on(C::FindNext, [this] { findNext(); });
    on(C::FindDuplicates, [this] { findDuplicates(); });
    on(C::TransponderList, [this] { transponderList(); });
    context_.onCommandStatesUpdated(this, [this] { updateStates(); });
    updateStates();
}

EditorState& FindCommands::state() {
    return context_.state();
}

void FindCommands::updateStates() {
    using C = Command;
    const bool loaded = state().listLoaded();
    for (const Command command : {C::FindName, C::FindFrequency, C::FindDuplicates})
        context_.action(command)->setEnabled(loaded);
    context_.action(C::FindNext)->setEnabled(loaded && search_.active());
}

void FindCommands::findName() {
    if (!state().listLoaded())
        return;
    CFindDlg dialog(CFindDlg::Mode::Name, defaults_, context_.widget());
    if (dialog.exec() != QDialog::Accepted)
        return;
    defaults_ = dialog.values();
    search_ =
        startNameSearch(searchTextBytes(defaults_.text.toStdU32String()), defaults_.matchCase);
    findNext();
}

void FindCommands::findFrequency() {
    if (!state().listLoaded())
        return;
    CFindDlg dialog(CFindDlg::Mode::Frequency, defaults_, context_.widget());
    if (dialog.exec() != QDialog::Accepted)
        return;
    defaults_ = dialog.values();
    search_ = startFrequencySearch(defaults_.frequency, defaults_.satellite);
    findNext();
}

void FindCommands::findNext() {
    if (!state().listLoaded() || !search_.active())
        return;
    CRowListView* view = context_.view();
    view->clearSelection();
    view->scrollToTop();
    // The search is not tied to a list: after a switch it goes on at the same slot position.
    const FindStep step = kanalo::findNext(state().shownTable()->list(state().shownList), search_);
    search_.position = step.nextPosition;
    if (step.match >= 0) {
        showSlot(step.match);
        context_.updateCommandStates();
        return;
    }
    context_.updateCommandStates();
    context_.prompter().error(context_.widget(), text("No matching channel found."));
}

void FindCommands::showSlot(int slot) {
    CRowListView* view = context_.view();
    view->selectRows({slot});
    view->scrollTo(view->rows().index(slot, 0));
}

bool FindCommands::editRecord(ChannelRecord& record, ListKind half, std::size_t userListCount,
                              QWidget* parent) {
    ChannelDialogContext context;
    context.list = half;
    context.firmware = state().receiver.firmware;
    context.radix = state().settings.pidRadix;
    context.bands = state().settings.bands;
    context.noLimits = EditorSettings::readNoLimits(context_.settingsStore());
    context.userListCount = userListCount;
    context.german = state().german;
    const ChannelRecord before = record;
    CChannelDlg dialog(record, context, parent);
    if (dialog.exec() == QDialog::Accepted)
        return true;
    record = before;
    return false;
}

bool FindCommands::confirmDelete(QWidget* parent) {
    return context_.prompter().question(parent, text("Do you want to delete this channel ?"),
                                        false) == Prompter::Answer::Yes;
}

void FindCommands::findDuplicates() {
    if (!state().listLoaded())
        return;
    context_.view()->cancelPendingExchange();
    const ListKind kind = state().shownList;
    const ConstChannelList list = state().shownTable()->list(kind);
    CChannelListDlg dialog(text("Duplicate channels"), kDuplicateTabStops, context_.widget());
    for (const DuplicateLine& line : kanalo::findDuplicates(list, kind))
        dialog.addLine(lineText(duplicateLineText(list[static_cast<std::size_t>(line.slot)],
                                                  line.slot, kind, line.head)),
                       line.slot, kind);
    connect(&dialog, &CChannelListDlg::editRequested, this,
            [this, &dialog](int line) { editDuplicate(dialog, line); });
    connect(&dialog, &CChannelListDlg::listRequested, this,
            [this, &dialog](int line) { listDuplicate(dialog, line); });
    connect(&dialog, &CChannelListDlg::deleteRequested, this,
            [this, &dialog](int line) { deleteDuplicate(dialog, line); });
    dialog.exec();
}

void FindCommands::editDuplicate(CChannelListDlg& dialog, int line) {
    const int slot = dialog.slotOf(line);
    const ListKind kind = state().shownList;
    ChannelList list = state().shownTable()->list(kind);
    ChannelRecord& record = list[static_cast<std::size_t>(slot)];
    if (record.isFree())
        return;
    const ChannelRecord before = record;
    if (!editRecord(record, kind, list.userListCount(), &dialog) || record == before)
        return;
    context_.listEdited(EditKind::EditChannel);
    context_.view()->RefreshRows(slot);
    dialog.setLineText(line, lineText(duplicateLineText(record, slot, kind, false)));
    dialog.selectLine(line);
}

void FindCommands::listDuplicate(CChannelListDlg& dialog, int line) {
    context_.view()->clearSelection();
    showSlot(dialog.slotOf(line));
    dialog.accept();
}

void FindCommands::deleteDuplicate(CChannelListDlg& dialog, int line) {
    if (!confirmDelete(&dialog))
        return;
    const int slot = dialog.slotOf(line);
    dialog.removeLine(line);
    state().shownTable()->list(state().shownList)[static_cast<std::size_t>(slot)].setFree(true);
    context_.view()->RefreshRows(slot);
    context_.listEdited(EditKind::DeleteChannel);
}

void FindCommands::transponderList() {
    const int row = context_.view()->currentRow();
    if (!state().listLoaded() || state().showingUpdate || row < 0 ||
        row >= static_cast<int>(kListCapacity))
        return;
    const ChannelTable& table = *state().mainTable;
    const ChannelRecord& chosen = table.list(state().shownList)[static_cast<std::size_t>(row)];
    if (chosen.isFree())
        return;
    CChannelListDlg dialog(text("Transponder"), {}, context_.widget());
    for (const TransponderLine& line : transponderChannels(table, chosen))
        dialog.addLine(lineText(transponderLineText(
                           table.list(line.half)[static_cast<std::size_t>(line.slot)], line.half)),
                       line.slot, line.half);
    dialog.setWindowTitle(lineText(transponderTitle(chosen)));
    connect(&dialog, &CChannelListDlg::editRequested, this,
            [this, &dialog](int line) { editTransponderLine(dialog, line); });
    connect(&dialog, &CChannelListDlg::listRequested, this,
            [this, &dialog](int line) { listTransponderLine(dialog, line); });
    connect(&dialog, &CChannelListDlg::deleteRequested, this,
            [this, &dialog](int line) { deleteTransponderLine(dialog, line); });
    dialog.exec();
}

void FindCommands::editTransponderLine(CChannelListDlg& dialog, int line) {
    const int slot = dialog.slotOf(line);
    const ListKind half = dialog.halfOf(line);
    ChannelList list = state().mainTable->list(half);
    ChannelRecord& record = list[static_cast<std::size_t>(slot)];
    if (record.isFree())
        return;
    const ChannelRecord before = record;
    // The dialog works on the channel's own half, whichever half is shown.
    if (!editRecord(record, half, list.userListCount(), &dialog) || record == before)
        return;
    context_.listEdited(EditKind::EditChannel);
    if (half == state().shownList)
        context_.view()->RefreshRows(slot);
    if (record.name() != before.name()) {
        dialog.setLineText(line, lineText(transponderLineText(record, half)));
        dialog.selectLine(line);
    }
}

void FindCommands::listTransponderLine(CChannelListDlg& dialog, int line) {
    const ListKind half = dialog.halfOf(line);
    if (half != state().shownList) {
        context_.documents().showHalf(half);
        if (state().shownList != half)
            return; // the renumber question was cancelled
    }
    context_.view()->clearSelection();
    showSlot(dialog.slotOf(line));
    dialog.accept();
}

void FindCommands::deleteTransponderLine(CChannelListDlg& dialog, int line) {
    if (!confirmDelete(&dialog))
        return;
    const int slot = dialog.slotOf(line);
    const ListKind half = dialog.halfOf(line);
    dialog.removeLine(line);
    state().mainTable->list(half)[static_cast<std::size_t>(slot)].setFree(true);
    if (half == state().shownList)
        context_.view()->RefreshRows(slot);
    context_.listEdited(EditKind::DeleteChannel);
}

} // namespace kanalo
