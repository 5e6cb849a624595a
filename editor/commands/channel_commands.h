#pragma once

#include "core/channels/channel_table.h"
#include "core/listops/list_history.h"
#include "editor/base/command.h"

#include <QObject>
#include <functional>

class QMenu;

namespace kanalo {

class EditorContext;
struct EditorState;

// The commands of the Main-List's context menu: edit or create one channel, switch its flags,
// free its slot, move or swap it, and change a field of every selected channel.
class ChannelCommands : public QObject {
    Q_OBJECT

public:
    // The same commands are in the context menu and in the menu bar's copy of it.
    ChannelCommands(EditorContext& context, QMenu& contextMenu, QMenu* menuBarCopy);

    // Greys, checks or hides the entries for the channel in the current row; run each time
    // one of the two menus opens.
    void prepareContextMenu() { prepareRowMenu(contextMenu_); }
    void prepareRowMenu(QMenu& menu);

    void editChannel(int row);
    void newChannel();
    void toggleUserList();
    void toggleEpg();
    void deleteChannel();
    void armMove();
    void armSwap();
    void moveChannel(int source, int target);
    void swapChannels(int a, int b);
    void changeSelected(Command command);
    static EditKind changeKind(Command command);

private:
    EditorState& state();
    ConstChannelList shownList();
    // Changes the list on screen through the editor's one list-edit entry point.
    void editShown(EditKind kind, const std::function<void(ChannelList list)>& edit);
    void selectRow(int row);
    static QMenu* submenuTitled(const QMenu& menu, const char* title);

    EditorContext& context_;
    QMenu& contextMenu_;
};

} // namespace kanalo
