#include "editor/commands/channel_commands.h"

#include "core/listops/channel_changes.h"
#include "core/listops/slot_operations.h"
#include "editor/base/editor_context.h"
#include "editor/base/editor_settings.h"
#include "editor/base/editor_state.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/dialogs/change_value_dialog.h"
#include "editor/dialogs/channel_dialog.h"
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

ChannelCommands::ChannelCommands(EditorContext& context, QMenu& contextMenu)
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
    connect(&contextMenu_, &QMenu::aboutToShow, this, &ChannelCommands::prepareContextMenu);
}

EditorState& ChannelCommands::state() {
    return context_.state();
}

ChannelList ChannelCommands::shownList() {
    return state().shownTable()->list(state().shownList);
}

QMenu* ChannelCommands::submenuTitled(const char* title) const {
    for (QMenu* menu : contextMenu_.findChildren<QMenu*>())
        if (menu->title() == text(title))
            return menu;
    return nullptr;
}

void ChannelCommands::prepareContextMenu() {
    using C = Command;
    const int row = context_.view()->currentRow();
    const bool usable = state().listLoaded() && !state().showingUpdate && row >= 0;
    for (QAction* item : commandEntries(contextMenu_))
        item->setEnabled(usable);
    if (!usable)
        return;
    ChannelRecord& record = shownList()[static_cast<std::size_t>(row)];
    QAction* epg = context_.action(C::ToggleEpg);
    QAction* userList = context_.action(C::ToggleUserList);
    const bool firmware2 = state().receiver.firmware >= 2;
    epg->setVisible(firmware2);
    if (QMenu* epgMenu = submenuTitled("&EPG"))
        epgMenu->menuAction()->setVisible(firmware2);
    epg->setChecked(false);
    if (firmware2) {
        if (!record.inUserList()) {
            epg->setEnabled(false);
            record.setEpg(false); // not a change the user made: the flag means nothing here
        }
        epg->setChecked(record.epg());
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

bool ChannelCommands::runChannelDialog(int slot) {
    ChannelRecord& record = shownList()[static_cast<std::size_t>(slot)];
    ChannelDialogContext context;
    context.list = state().shownList;
    context.firmware = state().receiver.firmware;
    context.radix = state().settings.pidRadix;
    context.bands = state().settings.bands;
    context.noLimits = EditorSettings::readNoLimits(context_.settingsStore());
    context.userListCount = shownList().userListCount();
    context.german = state().german;
    CChannelDlg dialog(record, context, context_.widget());
    return dialog.exec() == QDialog::Accepted;
}

void ChannelCommands::editChannel(int row) {
    if (!state().listLoaded() || state().showingUpdate || row < 0)
        return;
    ChannelRecord& record = shownList()[static_cast<std::size_t>(row)];
    if (record.isFree())
        return;
    const ChannelRecord before = record;
    if (!runChannelDialog(row)) {
        record = before;
        return;
    }
    context_.view()->RefreshRows(row);
    if (!(record == before))
        context_.listEdited(EditKind::EditChannel);
}

void ChannelCommands::newChannel() {
    const int row = context_.view()->currentRow();
    if (!state().listLoaded() || state().showingUpdate || row < 0)
        return;
    ChannelRecord& record = shownList()[static_cast<std::size_t>(row)];
    const ChannelRecord before = record;
    writeNewChannelDefaults(record, state().shownList, shownList().userListCount());
    if (!runChannelDialog(row)) {
        record = before;
        context_.view()->RefreshRows(row);
        return;
    }
    context_.view()->RefreshRows(row);
    if (!(record == before))
        context_.listEdited(EditKind::NewChannel);
}

void ChannelCommands::refreshChanged(const std::vector<int>& slots) {
    for (const int slot : slots)
        context_.view()->RefreshRows(slot);
}

void ChannelCommands::toggleUserList() {
    const int row = context_.view()->currentRow();
    if (row >= 0 && kanalo::toggleUserList(shownList(), row)) {
        context_.view()->RefreshRows(row);
        context_.listEdited(EditKind::ToggleUserList);
    }
}

void ChannelCommands::toggleEpg() {
    const int row = context_.view()->currentRow();
    if (row >= 0 && kanalo::toggleEpg(shownList(), row)) {
        context_.view()->RefreshRows(row);
        context_.listEdited(EditKind::ToggleEpg);
    }
}

void ChannelCommands::deleteChannel() {
    const int row = context_.view()->currentRow();
    if (row < 0)
        return;
    shownList()[static_cast<std::size_t>(row)].setFree(true);
    context_.view()->RefreshRows(row);
    context_.listEdited(EditKind::DeleteChannel);
}

void ChannelCommands::armMove() {
    context_.view()->armExchange(CRowListView::Exchange::Move, context_.view()->currentRow());
    context_.updateCommandStates(); // Undo waits while the next click belongs to the move
}

void ChannelCommands::armSwap() {
    context_.view()->armExchange(CRowListView::Exchange::Swap, context_.view()->currentRow());
    context_.updateCommandStates();
}

void ChannelCommands::moveChannel(int source, int target) {
    if (state().showingUpdate || source == target)
        return;
    const std::vector<int> changed = kanalo::moveChannel(shownList(), source, target);
    refreshChanged(changed);
    if (!changed.empty()) // a drop on the row just above the source changes nothing
        context_.listEdited(context_.view()->dragState() == CRowListView::DragState::Dragging
                                ? EditKind::Drag
                                : EditKind::Move);
}

void ChannelCommands::swapChannels(int a, int b) {
    if (state().showingUpdate || a == b)
        return;
    refreshChanged(kanalo::swapChannels(shownList(), a, b));
    context_.listEdited(EditKind::Swap);
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
    ChannelList list = shownList();
    const ChannelRecord& first = list[static_cast<std::size_t>(selected.front())];
    std::vector<int> changed;
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
        WaitCursor wait;
        changed = frequency ? setFrequency(list, selected, dialog.value())
                            : setSymbolRate(list, selected, dialog.value());
        break;
    }
    case C::ChangeSatellite: {
        CSatelliteChoiceDlg dialog(first.satelliteIndex(), context_.widget());
        if (dialog.exec() != QDialog::Accepted)
            return;
        WaitCursor wait;
        changed = setSatellite(list, selected, static_cast<unsigned>(dialog.selectedIndex()));
        break;
    }
    default: {
        WaitCursor wait;
        switch (command) {
        case C::ChangeUserListYes:
            changed = setUserList(list, selected, true);
            break;
        case C::ChangeUserListNo:
            changed = setUserList(list, selected, false);
            break;
        case C::ChangeEpgYes:
            changed = setEpg(list, selected, true);
            break;
        case C::ChangeEpgNo:
            changed = setEpg(list, selected, false);
            break;
        case C::ChangeHorizontal:
            changed = setPolarisation(list, selected, 0);
            break;
        case C::ChangeVertical:
            changed = setPolarisation(list, selected, 1);
            break;
        case C::ChangeDelete:
            changed = freeSlots(list, selected);
            break;
        default:
            return;
        }
    }
    }
    refreshChanged(changed);
    if (!changed.empty())
        context_.listEdited(changeKind(command));
}

} // namespace kanalo
