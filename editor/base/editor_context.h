#pragma once

#include "core/listops/list_history.h"
#include "editor/base/command.h"

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
struct EditorState;

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

    // Undo and redo. A command that changes a list calls listEdited afterwards: the change
    // becomes one step, and the modified mark follows. beginListEdit catches the selection and
    // the number column before commands that the menus and the view do not start.
    virtual void beginListEdit() = 0;
    virtual void listEdited(EditKind kind) = 0;
    // A list replaced as a whole (a file, an import, the Box) starts a fresh history; clean:
    // the new list counts as unmodified.
    virtual void listReplaced(bool update, bool clean) = 0;

protected:
    ~EditorContext() = default;
};

} // namespace kanalo
