#pragma once

#include "core/listops/list_history.h"
#include "editor/base/command.h"
#include "editor/base/editor_state.h"

#include <functional>

class QAction;
class QObject;
class QSettings;
class QString;
class QWidget;

namespace kanalo {

class CRowListView;
class DocumentCommands;
class Prompter;

// How a replaced list counts: unmodified (a file just read, the Box's list, an Update-List) or
// modified (an import, which has no file yet).
enum class ReplacedList { Unmodified, Modified };

using ListEdit = std::function<void(ChannelTable& table)>;

// What a command group needs of the main window. The main window implements it; tests can
// give a command group a small context of their own.
class EditorContext {
public:
    virtual EditorState& state() = 0;
    virtual CRowListView* view() const = 0;
    virtual QAction* action(Command command) const = 0;
    // Parent of the command groups and their dialogs.
    virtual QWidget* widget() = 0;
    virtual QSettings& settingsStore() const = 0;
    virtual DocumentCommands& documents() const = 0;
    virtual Prompter& prompter() = 0;

    // Every edit of the main list marks it modified, which enables Save.
    virtual void setModified(bool modified) = 0;
    // Enables and checks the commands for the current state; the groups then set theirs.
    virtual void updateCommandStates() = 0;
    // Calls handler after each updateCommandStates for as long as receiver lives.
    virtual void onCommandStatesUpdated(QObject* receiver, std::function<void()> handler) = 0;
    virtual void updateTitle() = 0;
    virtual void updateRecentFiles() = 0;
    // A status-bar text, painted at once: the work that follows blocks the event loop.
    virtual void showStatus(const QString& text) = 0;
    virtual void clearStatus() = 0;

    // The one way a list changes. The selection and the number column on screen are caught,
    // the edit runs on the table, the changed rows of the list on screen are shown again, and
    // the change becomes one undo step (none when nothing changed); the modified mark and the
    // command states follow. An edit may also set the view's number column (sorts, renumbering).
    virtual void editList(EditKind kind, ListTable table, const ListEdit& edit) = 0;
    // A list replaced as a whole (a file, an import, the Box, an Update-List): the table takes
    // the contents (moved in where the caller is done with them) and starts a fresh history.
    // The caller shows it.
    virtual void replaceList(ListTable table, ChannelTable contents, ReplacedList replaced) = 0;

protected:
    ~EditorContext() = default;
};

} // namespace kanalo
