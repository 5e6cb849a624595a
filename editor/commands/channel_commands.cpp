#include "editor/commands/channel_commands.h"

#include "core/listops/channel_changes.h"
#include "core/listops/slot_operations.h"
#include "editor/base/editor_settings.h"
#include "editor/base/editor_state.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/channel_editing.h"
#include "editor/commands/editor_context.h"
#include "editor/dialogs/change_value_dialog.h"
#include "editor/dialogs/satellite_choice_dialog.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace kanalo {

namespace {

// The command entries of a menu and its submenus.
QList<QAction*> commandEntries(const QMenu& menu) {
    QList<QAction*> found;
    for (QAction* item : menu.actions()) {
        if (item->menu())
            found << commandEntries(*item->menu());
        else if (!item->isSeparator())
            found << item;
    }
    return found;
}

} // namespace

ChannelCommands::ChannelCommands(EditorContext& context, QMenu& contextMenu, QMenu* menuBarCopy)
    : QObject(context.widget()), context_(context), contextMenu_(contextMenu) {
    using C = Command;
    const auto on = [this](Command command, auto handler) {
        connect(context_.action(command), &QAction::triggered, this, handler);
    };
    on(C::EditChannel, [this] { editChannel(context_.view()->currentRow()); });
    on(C::NewChannel, [this] { newChannel(); });
    on(C::ToggleUserList, [this] { toggleUserList(); });
    on(C::ToggleEpg, [this] { toggleEpg(); });
    on(C::DeleteChannel, [this] { deleteChannel(); });
    on(C::MoveChannels, [this] { armMove(); });
    on(C::SwapChannels, [this] { armSwap(); });
    for (const Command change :
         {C::ChangeUserListYes, C::ChangeUserListNo, C::ChangeEpgYes, C::ChangeEpgNo,
          C::ChangeFrequency, C::ChangeHorizontal, C::ChangeVertical, C::ChangeSymbolRate,
          C::ChangeSatellite, C::ChangeDelete})
        on(change, [this, change] { changeSelected(change); });
    for (const Command checkable : {C::ToggleUserList, C::ToggleEpg})
        context_.action(checkable)->setCheckable(true);

    CRowListView* view = context_.view();
    connect(view, &CRowListView::editRequested, this, &ChannelCommands::editChannel);
    connect(view, &CRowListView::moveRequested, this, &ChannelCommands::moveChannel);
    connect(view, &CRowListView::swapRequested, this, &ChannelCommands::swapChannels);
    connect(view, &CRowListView::exchangeEnded, this, [this] { context_.clearStatus(); });
    connect(&contextMenu_, &QMenu::aboutToShow, this, &ChannelCommands::prepareContextMenu);
    if (menuBarCopy)
        connect(menuBarCopy, &QMenu::aboutToShow, this,
                [this, menuBarCopy] { prepareRowMenu(*menuBarCopy); });
}

EditorState& ChannelCommands::state() {
    return context_.state();
}

ConstChannelList ChannelCommands::shownList() {
    return state().shownTable()->list(state().shownList);
}

void ChannelCommands::editShown(EditKind kind, const std::function<void(ChannelList list)>& edit) {
    context_.editList(kind, ListTable::Shown,
                      [&](ChannelTable& table) { edit(table.list(state().shownList)); });
}

QMenu* ChannelCommands::submenuTitled(const QMenu& menu, const char* title) {
    for (QMenu* submenu : menu.findChildren<QMenu*>())
        if (submenu->title() == text(title))
            return submenu;
    return nullptr;
}

void ChannelCommands::prepareRowMenu(QMenu& menu) {
    using C = Command;
    const int row = context_.view()->currentRow();
    const bool usable = state().listLoaded() && !state().showingUpdate && row >= 0;
    for (QAction* item : commandEntries(menu))
        item->setEnabled(usable);
    if (!usable)
        return;
    const auto slot = static_cast<std::size_t>(row);
    QAction* epg = context_.action(C::ToggleEpg);
    QAction* userList = context_.action(C::ToggleUserList);
    const bool firmware2 = state().receiver.firmware >= 2;
    epg->setVisible(firmware2);
    if (QMenu* epgMenu = submenuTitled(menu, "&EPG"))
        epgMenu->menuAction()->setVisible(firmware2);
    epg->setChecked(false);
    const ChannelRecord& record = shownList()[slot];
    // Outside the user list the EPG flag means nothing: it shows off, and stays as it is (the
    // commands that take a channel out of the user list clear it).
    if (firmware2) {
        epg->setEnabled(record.inUserList());
        epg->setChecked(record.inUserList() && record.epg());
    }
    context_.action(C::MoveChannels)->setEnabled(!state().numbersUnsorted);
    context_.action(C::SwapChannels)->setEnabled(!state().numbersUnsorted);
    userList->setChecked(record.inUserList());
    if (!record.inUserList() && shownList().userListCount() >= kUserListCapacity)
        userList->setEnabled(false);
    if (record.isFree()) {
        for (const Command command :
             {C::EditChannel, C::DeleteChannel, C::TransponderList, C::ToggleUserList})
            context_.action(command)->setEnabled(false);
    }
}

void ChannelCommands::editChannel(int row) {
    if (!state().listLoaded() || state().showingUpdate || row < 0)
        return;
    const auto slot = static_cast<std::size_t>(row);
    if (shownList()[slot].isFree())
        return;
    const std::optional<ChannelRecord> edited =
        editInChannelDialog(context_, shownList()[slot], state().shownList,
                            shownList().userListCount(), context_.widget());
    if (edited)
        editShown(EditKind::EditChannel, [&](ChannelList list) { list[slot] = *edited; });
}

void ChannelCommands::newChannel() {
    const int row = context_.view()->currentRow();
    if (!state().listLoaded() || state().showingUpdate || row < 0)
        return;
    const auto slot = static_cast<std::size_t>(row);
    ChannelRecord fresh = shownList()[slot];
    writeNewChannelDefaults(fresh, state().shownList, shownList().userListCount());
    const std::optional<ChannelRecord> edited = editInChannelDialog(
        context_, fresh, state().shownList, shownList().userListCount(), context_.widget());
    if (edited)
        editShown(EditKind::NewChannel, [&](ChannelList list) { list[slot] = *edited; });
}

void ChannelCommands::toggleUserList() {
    const int row = context_.view()->currentRow();
    if (row >= 0)
        editShown(EditKind::ToggleUserList,
                  [row](ChannelList list) { kanalo::toggleUserList(list, row); });
}

void ChannelCommands::toggleEpg() {
    const int row = context_.view()->currentRow();
    if (row >= 0)
        editShown(EditKind::ToggleEpg, [row](ChannelList list) { kanalo::toggleEpg(list, row); });
}

void ChannelCommands::deleteChannel() {
    const int row = context_.view()->currentRow();
    if (row >= 0)
        editShown(EditKind::DeleteChannel, [row](ChannelList list) {
            const int rows[] = {row};
            freeSlots(list, rows);
        });
}

void ChannelCommands::armMove() {
    context_.view()->armExchange(CRowListView::Exchange::Move, context_.view()->currentRow());
    context_.updateCommandStates(); // Undo waits while the next click belongs to the move
    context_.showStatus(
        text("Click the row to move the channel to; right-click or Escape cancels."));
}

void ChannelCommands::armSwap() {
    context_.view()->armExchange(CRowListView::Exchange::Swap, context_.view()->currentRow());
    context_.updateCommandStates();
    context_.showStatus(
        text("Click the row to swap the channel with; right-click or Escape cancels."));
}

void ChannelCommands::moveChannel(int source, int target) {
    if (state().showingUpdate || source == target)
        return;
    const EditKind kind = context_.view()->dragState() == CRowListView::DragState::Dragging
                              ? EditKind::Drag
                              : EditKind::Move;
    // The channel lands below the target's record: the selection goes with it.
    const int landed = source > target ? target + 1 : target;
    editShown(kind, [&](ChannelList list) {
        if (!kanalo::moveChannel(list, source, target).empty())
            selectRow(landed);
    });
}

void ChannelCommands::selectRow(int row) {
    context_.view()->selectRowsFrom({row}, row);
}

void ChannelCommands::swapChannels(int a, int b) {
    if (state().showingUpdate || a == b)
        return;
    editShown(EditKind::Swap, [&](ChannelList list) {
        kanalo::swapChannels(list, a, b);
        selectRow(b); // the channel that was picked first, at its new place
    });
}

EditKind ChannelCommands::changeKind(Command command) {
    switch (command) {
    case Command::ChangeUserListYes:
    case Command::ChangeUserListNo:
        return EditKind::ChangeUserList;
    case Command::ChangeEpgYes:
    case Command::ChangeEpgNo:
        return EditKind::ChangeEpg;
    case Command::ChangeFrequency:
        return EditKind::ChangeFrequency;
    case Command::ChangeSymbolRate:
        return EditKind::ChangeSymbolRate;
    case Command::ChangeSatellite:
        return EditKind::ChangeSatellite;
    case Command::ChangeDelete:
        return EditKind::ChangeDelete;
    default:
        return EditKind::ChangePolarisation;
    }
}

void ChannelCommands::changeSelected(Command command) {
    using C = Command;
    const std::vector<int> selected = context_.view()->selectedRows();
    if (selected.empty() || state().showingUpdate)
        return;
    const ChannelRecord& first = shownList()[static_cast<std::size_t>(selected.front())];
    // The value dialogs come first; the change itself is one edit.
    std::function<void(ChannelList)> change;
    switch (command) {
    case C::ChangeFrequency:
    case C::ChangeSymbolRate: {
        const bool frequency = command == C::ChangeFrequency;
        CChangeValueDlg dialog(
            frequency ? CChangeValueDlg::Mode::Frequency : CChangeValueDlg::Mode::SymbolRate,
            frequency ? first.frequency() : initialSymbolRate(first), state().settings.bands,
            EditorSettings::readNoLimits(context_.settingsStore()), state().german,
            context_.widget());
        if (dialog.exec() != QDialog::Accepted)
            return;
        const unsigned value = dialog.value();
        change = [&, frequency, value](ChannelList list) {
            frequency ? setFrequency(list, selected, value) : setSymbolRate(list, selected, value);
        };
        break;
    }
    case C::ChangeSatellite: {
        CSatelliteChoiceDlg dialog(first.satelliteIndex(), context_.widget());
        if (dialog.exec() != QDialog::Accepted)
            return;
        const auto index = static_cast<unsigned>(dialog.selectedIndex());
        change = [&, index](ChannelList list) { setSatellite(list, selected, index); };
        break;
    }
    case C::ChangeUserListYes:
    case C::ChangeUserListNo:
        change = [&](ChannelList list) {
            setUserList(list, selected, command == C::ChangeUserListYes);
        };
        break;
    case C::ChangeEpgYes:
    case C::ChangeEpgNo:
        change = [&](ChannelList list) { setEpg(list, selected, command == C::ChangeEpgYes); };
        break;
    case C::ChangeHorizontal:
    case C::ChangeVertical:
        change = [&](ChannelList list) {
            setPolarisation(list, selected, command == C::ChangeHorizontal ? 0 : 1);
        };
        break;
    case C::ChangeDelete:
        change = [&](ChannelList list) { freeSlots(list, selected); };
        break;
    default:
        return;
    }
    WaitCursor wait;
    editShown(changeKind(command), change);
}

} // namespace kanalo
