#include "editor/commands/undo_commands.h"

#include "editor/base/editor_state.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QKeySequence>
#include <algorithm>

namespace kanalo {

namespace {

// Beyond this many changed rows the whole list is shown again.
constexpr std::size_t kRowsShownOneByOne = 64;

bool changesNumbers(EditKind kind) {
    return kind == EditKind::Sort || kind == EditKind::Renumber || kind == EditKind::ApplyOrder;
}

// Rows of the changed slots: what the step touched, when no selection was caught before it.
std::vector<int> touchedRows(const ListStep& step) {
    return {step.changedSlots().begin(), step.changedSlots().end()};
}

// A copy of the table in the kept one, whose storage is reused when there is one.
void keepCopy(std::unique_ptr<ChannelTable>& kept, const ChannelTable& table) {
    if (kept)
        *kept = table;
    else
        kept = std::make_unique<ChannelTable>(table);
}

} // namespace

UndoCommands::UndoCommands(EditorContext& context) : QObject(context.widget()), context_(context) {
    QAction* undoAction = context_.action(Command::Undo);
    QAction* redoAction = context_.action(Command::Redo);
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undoAction, &QAction::triggered, this, &UndoCommands::undo);
    connect(redoAction, &QAction::triggered, this, &UndoCommands::redo);
    context_.onCommandStatesUpdated(this, [this] { updateActions(); });
    // A main table the state brought along counts as loaded.
    savedIsMainTable_ = state().mainTable() != nullptr;
}

UndoCommands::~UndoCommands() = default;

EditorState& UndoCommands::state() const {
    return context_.state();
}

const ChannelTable* UndoCommands::tableOf(const Tracked& tracked) const {
    return &tracked == &main_ ? state().mainTable() : state().updateTable();
}

UndoCommands::Tracked& UndoCommands::trackedOf(const ChannelTable& table) {
    return &table == state().mainTable() ? main_ : update_;
}

UndoCommands::Tracked& UndoCommands::shownTracked() {
    return state().showingUpdate ? update_ : main_;
}

ViewState UndoCommands::currentView(bool withNumbers) const {
    ViewState view;
    view.selection = context_.view()->selectedRows();
    if (withNumbers)
        view.numbers = RowNumbers::of(context_.view()->numberColumn(), state().numbersUnsorted);
    return view;
}

void UndoCommands::edit(EditKind kind, ListTable table, const ListEdit& change) {
    if (!state().listLoaded())
        return;
    const Capture before{state().shownTable(), state().shownList, currentView(true)};
    ChannelTable& target = writableTable(state(), table);
    Tracked& tracked = trackedOf(target);
    if (&tracked == &main_)
        keepSavedState();
    if (!tracked.beforeIsCurrent) {
        keepCopy(tracked.before, target);
        tracked.beforeIsCurrent = true;
    }
    change(target);
    record(kind, before, tracked);
}

void UndoCommands::keepSavedState() {
    const ChannelTable* table = state().mainTable();
    if (!savedIsMainTable_ || !table)
        return;
    keepCopy(saved_, *table);
    savedIsMainTable_ = false;
}

void UndoCommands::showChangedRows(const ListStep& step) {
    CRowListView* view = context_.view();
    const std::span<const std::uint16_t> slots = step.changedSlots();
    if (slots.size() > kRowsShownOneByOne) {
        view->ShowList(state().shownList, false);
        return;
    }
    for (const std::uint16_t slot : slots)
        view->RefreshRows(slot);
}

void UndoCommands::record(EditKind kind, const Capture& before, Tracked& tracked) {
    // A new number column is shown whole, whatever else changed.
    if (changesNumbers(kind))
        context_.view()->ShowList(state().shownList, false);
    // An edit changes one table: the other has nothing to record.
    const ChannelTable* table = tableOf(tracked);
    for (const ListKind list : {ListKind::Tv, ListKind::Radio}) {
        const bool onScreen = table == state().shownTable() && list == state().shownList;
        // Most edits touch one half: the other is passed over at the cost of a
        // comparison, without a snapshot.
        const ConstChannelList old = std::as_const(*tracked.before).list(list);
        const ConstChannelList now = table->list(list);
        if (std::equal(old.begin(), old.end(), now.begin(), now.end()) &&
            !(onScreen && changesNumbers(kind)))
            continue;
        ListStep step(kind, list, ListSnapshot(old), now);
        if (onScreen) {
            if (!changesNumbers(kind))
                showChangedRows(step);
            const bool caught = before.table == table && before.list == list;
            step.viewBefore = caught ? before.view : ViewState{touchedRows(step), {}};
            step.viewAfter = currentView(changesNumbers(kind));
            if (!changesNumbers(kind))
                step.viewBefore.numbers.reset();
            else if (!step.viewBefore.numbers)
                step.viewBefore.numbers = step.viewAfter.numbers;
        } else {
            step.viewBefore.selection = step.viewAfter.selection = touchedRows(step);
        }
        // The copy follows the table: the next edit compares with this state.
        std::copy(now.begin(), now.end(), tracked.before->list(list).begin());
        if (step.changesNothing())
            continue;
        tracked.history.push(std::move(step));
    }
    // Also when nothing changed: a sort that left every row in place marks nothing modified.
    followClean();
}

void UndoCommands::replace(ListTable which, ChannelTable contents, ReplacedList replaced) {
    replaceTable(state(), which, std::move(contents));
    Tracked& tracked = which == ListTable::Update ? update_ : main_;
    tracked.history.clear(replaced == ReplacedList::Unmodified);
    tracked.beforeIsCurrent = false;
    if (&tracked == &main_) {
        saved_.reset(); // an imported list has no file yet
        savedIsMainTable_ = false;
        context_.setModified(replaced == ReplacedList::Modified);
    } else
        context_.updateCommandStates();
}

void UndoCommands::markMainSaved() {
    main_.history.setClean();
    savedIsMainTable_ = state().mainTable() != nullptr;
}

void UndoCommands::undo() {
    apply(Direction::Undo);
}

void UndoCommands::redo() {
    apply(Direction::Redo);
}

void UndoCommands::apply(Direction direction) {
    const bool redo = direction == Direction::Redo;
    CRowListView* view = context_.view();
    if (!state().listLoaded() || view->pendingExchange() != CRowListView::Exchange::None)
        return;
    Tracked& tracked = shownTracked();
    const ListStep* next = redo ? tracked.history.nextRedo() : tracked.history.nextUndo();
    if (!tableOf(tracked) || !next)
        return;
    ChannelTable& table =
        writableTable(state(), &tracked == &main_ ? ListTable::Main : ListTable::Update);
    // The step's list comes on screen first. Numbers out of order on screen stay as they are
    // (leaving would ask to renumber, itself a step): the other half changes unseen then.
    const bool unseen = next->list() != state().shownList && state().numbersUnsorted;
    if (next->list() != state().shownList && !unseen)
        context_.documents().showHalf(next->list());
    WaitCursor wait;
    if (&tracked == &main_)
        keepSavedState();
    const ListStep* step = redo ? tracked.history.redo(table) : tracked.history.undo(table);
    tracked.beforeIsCurrent = false; // copied again at the next edit
    QString message = redo ? text("Redone: %1") : text("Undone: %1");
    message = message.arg(stepName(step->kind()));
    if (unseen) {
        message += QStringLiteral(" (%1)").arg(step->list() == ListKind::Tv ? text("TV-List")
                                                                            : text("Radio-List"));
        finishApply(&tracked == &main_, message);
        return;
    }
    const ViewState& shown = redo ? step->viewAfter : step->viewBefore;
    view->ShowList(state().shownList, false);
    if (shown.numbers) {
        view->setNumberColumn(*shown.numbers);
        state().numbersUnsorted = shown.numbers->unsorted;
    }
    view->selectRows(shown.selection);
    // A redone Delete leaves nothing to select: the view still goes to where the rows were.
    const std::span<const std::uint16_t> slots = step->changedSlots();
    const int first = !shown.selection.empty() ? shown.selection.front()
                      : !slots.empty()         ? slots.front()
                                               : -1;
    if (first >= 0) {
        if (!shown.selection.empty())
            view->setCurrentRow(first);
        view->scrollTo(view->rows().index(first, 0));
    }
    finishApply(&tracked == &main_, message);
}

void UndoCommands::finishApply(bool mainList, const QString& message) {
    if (mainList)
        followClean();
    else
        context_.updateCommandStates();
    context_.showStatus(message);
}

void UndoCommands::followClean() {
    // A list that holds what its file holds is unmodified, and Save is disabled: back at the
    // saved state by undo, and also after edits that cancel out (a swap and the same swap).
    const bool differs = !main_.history.isClean() && !savedIsMainTable_ &&
                         !(saved_ && holdSameChannels(*saved_, *state().mainTable()));
    context_.setModified(differs);
}

void UndoCommands::updateActions() {
    QAction* undoAction = context_.action(Command::Undo);
    QAction* redoAction = context_.action(Command::Redo);
    const bool idle =
        state().listLoaded() && context_.view()->pendingExchange() == CRowListView::Exchange::None;
    const ListHistory& shown = shownTracked().history;
    const ListStep* undoStep = idle ? shown.nextUndo() : nullptr;
    const ListStep* redoStep = idle ? shown.nextRedo() : nullptr;
    undoAction->setEnabled(undoStep != nullptr);
    redoAction->setEnabled(redoStep != nullptr);
    undoAction->setText(undoStep ? text("Und&o %1\tCtrl+Z").arg(stepName(undoStep->kind()))
                                 : text("Und&o\tCtrl+Z"));
    redoAction->setText(redoStep ? text("R&edo %1\tCtrl+Y").arg(stepName(redoStep->kind()))
                                 : text("R&edo\tCtrl+Y"));
}

QString UndoCommands::stepName(EditKind kind) {
    switch (kind) {
    case EditKind::EditChannel:
        return text("Edit Channel");
    case EditKind::NewChannel:
        return text("New Channel");
    case EditKind::ToggleUserList:
        return text("User List");
    case EditKind::ToggleEpg:
        return text("EPG");
    case EditKind::DeleteChannel:
        return text("Delete Channel");
    case EditKind::ChangeUserList:
        return text("Change User List");
    case EditKind::ChangeEpg:
        return text("Change EPG");
    case EditKind::ChangeFrequency:
        return text("Change Frequency");
    case EditKind::ChangePolarisation:
        return text("Change Polarisation");
    case EditKind::ChangeSymbolRate:
        return text("Change Symbol Rate");
    case EditKind::ChangeSatellite:
        return text("Change Satellite");
    case EditKind::ChangeDelete:
        return text("Delete Selected");
    case EditKind::Move:
        return text("Move");
    case EditKind::Swap:
        return text("Swap");
    case EditKind::Drag:
        return text("Drag");
    case EditKind::Delete:
        return text("Delete");
    case EditKind::Cut:
        return text("Cut");
    case EditKind::Paste:
        return text("Paste");
    case EditKind::PasteDirect:
        return text("Paste Direct");
    case EditKind::Sort:
        return text("Sort", "undo step");
    case EditKind::Renumber:
        return text("Renumber");
    case EditKind::CopyFromUpdate:
        return text("Copy Channel");
    case EditKind::CopyKeepingName:
        return text("Copy Channel Keeping Name");
    case EditKind::ApplyOrder:
        return text("Apply Order");
    }
    return {};
}

} // namespace kanalo
