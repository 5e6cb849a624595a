#include "editor/commands/find_commands.h"

#include "core/listops/channel_changes.h"
#include "core/listops/duplicates.h"
#include "core/listops/transponders.h"
#include "editor/base/editor_settings.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/qt_text.h"
#include "editor/base/texts.h"
#include "editor/commands/channel_editing.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
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

bool FindCommands::confirmDelete(QWidget* parent) {
    return context_.prompter().question(parent, text("Do you want to delete this channel ?"),
                                        false) == Prompter::Answer::Yes;
}

void FindCommands::editLine(CChannelListDlg& dialog, int line, const WindowLines& lines) {
    const int slot = dialog.slotOf(line);
    // The dialog works on the channel's own half, whichever half is shown.
    const ListKind half = dialog.halfOf(line);
    const ChannelTable* table =
        lines.table == ListTable::Main ? state().mainTable() : state().shownTable();
    const ConstChannelList list = table->list(half);
    const ChannelRecord& record = list[static_cast<std::size_t>(slot)];
    if (record.isFree())
        return;
    const std::optional<ChannelRecord> edited =
        editInChannelDialog(context_, record, half, list.userListCount(), &dialog);
    if (!edited || *edited == record)
        return;
    const QString before = lines.text(record, slot, half);
    // `record` views the table, so it reads the edited channel afterwards.
    context_.editList(EditKind::EditChannel, lines.table, [&](ChannelTable& changed) {
        changed.list(half)[static_cast<std::size_t>(slot)] = *edited;
    });
    const QString after = lines.text(record, slot, half);
    if (after != before) {
        dialog.setLineText(line, after);
        dialog.selectLine(line);
    }
}

void FindCommands::deleteLine(CChannelListDlg& dialog, int line, ListTable table) {
    if (!confirmDelete(&dialog))
        return;
    const int slots[] = {dialog.slotOf(line)};
    const ListKind half = dialog.halfOf(line);
    dialog.removeLine(line);
    context_.editList(EditKind::DeleteChannel, table,
                      [&](ChannelTable& changed) { freeSlots(changed.list(half), slots); });
}

void FindCommands::connectWindow(CChannelListDlg& dialog, const WindowLines& lines,
                                 const std::function<void(int line)>& list) {
    connect(&dialog, &CChannelListDlg::editRequested, this,
            [this, &dialog, lines](int line) { editLine(dialog, line, lines); });
    connect(&dialog, &CChannelListDlg::listRequested, this, list);
    connect(&dialog, &CChannelListDlg::deleteRequested, this,
            [this, &dialog, table = lines.table](int line) { deleteLine(dialog, line, table); });
}

void FindCommands::findDuplicates() {
    if (!state().listLoaded())
        return;
    context_.view()->cancelPendingExchange();
    const ListKind kind = state().shownList;
    const ConstChannelList list = state().shownTable()->list(kind);
    const std::vector<DuplicateLine> duplicates = kanalo::findDuplicates(list, kind);
    if (duplicates.empty()) {
        context_.prompter().information(context_.widget(), text("No duplicate channels found."));
        return;
    }
    CChannelListDlg dialog(text("Duplicate channels"), kDuplicateTabStops, context_.widget());
    for (const DuplicateLine& line : duplicates)
        dialog.addLine(lineText(duplicateLineText(list[static_cast<std::size_t>(line.slot)],
                                                  line.slot, kind, line.head)),
                       line.slot, kind);
    connectWindow(dialog,
                  {ListTable::Shown,
                   [](const ChannelRecord& record, int slot, ListKind half) {
                       return lineText(duplicateLineText(record, slot, half, false));
                   }},
                  [this, &dialog](int line) { listDuplicate(dialog, line); });
    dialog.exec();
}

void FindCommands::listDuplicate(CChannelListDlg& dialog, int line) {
    context_.view()->clearSelection();
    showSlot(dialog.slotOf(line));
    dialog.accept();
}

void FindCommands::transponderList() {
    const int row = context_.view()->currentRow();
    if (!state().listLoaded() || state().showingUpdate || row < 0 ||
        row >= static_cast<int>(kListCapacity))
        return;
    const ChannelTable& table = *state().mainTable();
    const ChannelRecord& chosen = table.list(state().shownList)[static_cast<std::size_t>(row)];
    if (chosen.isFree())
        return;
    CChannelListDlg dialog(text("Transponder"), {}, context_.widget());
    for (const TransponderLine& line : transponderChannels(table, chosen))
        dialog.addLine(lineText(transponderLineText(
                           table.list(line.half)[static_cast<std::size_t>(line.slot)], line.half)),
                       line.slot, line.half);
    dialog.setWindowTitle(lineText(transponderTitle(chosen)));
    connectWindow(dialog,
                  {ListTable::Main,
                   [](const ChannelRecord& record, int, ListKind half) {
                       return lineText(transponderLineText(record, half));
                   }},
                  [this, &dialog](int line) { listTransponderLine(dialog, line); });
    dialog.exec();
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

} // namespace kanalo
