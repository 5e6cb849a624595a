#pragma once

#include "core/listops/list_history.h"
#include "editor/commands/editor_context.h"

#include <QObject>
#include <QString>
#include <memory>

namespace kanalo {

// The one door through which lists change, and Edit › Undo and Redo. A command hands its
// change to edit(); the change is found by comparing the table with its copy from before the
// change, so a command needs no code of its own to become undoable. The main list and the
// Update-List keep their own steps; Undo acts on the list on screen.
class UndoCommands : public QObject, private TableWriter {
    Q_OBJECT

public:
    explicit UndoCommands(EditorContext& context);
    ~UndoCommands() override;

    void edit(EditKind kind, ListTable table, const ListEdit& edit);
    void replace(ListTable table, ChannelTable contents, ReplacedList replaced);
    // The main list was saved, or its changes were given up: this state counts as unmodified.
    void markMainSaved();

    void undo();
    void redo();

    const ListHistory& history(ListTable table) const {
        return (table == ListTable::Update ? update_ : main_).history;
    }
    // "Paste", "Sort" ...: the name of a step in the menu and the status bar.
    static QString stepName(EditKind kind);

private:
    struct Tracked {
        ListHistory history;
        // A copy of the table as of the last step, kept up to date half by half as steps are
        // recorded. It is made at the first edit after a load or an undo, not before.
        std::unique_ptr<ChannelTable> before;
        bool beforeIsCurrent = false;
    };
    struct Capture {
        const ChannelTable* table = nullptr;
        ListKind list = ListKind::Tv;
        ViewState view;
    };

    EditorState& state() const;
    const ChannelTable* tableOf(const Tracked& tracked) const;
    Tracked& trackedOf(const ChannelTable& table);
    Tracked& shownTracked();
    ViewState currentView(bool withNumbers) const;
    // Records what the edit changed, one step per changed half, and shows the changed rows of
    // the half on screen.
    void record(EditKind kind, const Capture& before, Tracked& tracked);
    // Copies the saved state out of the main table before the table first changes.
    void keepSavedState();
    void showChangedRows(const ListStep& step);
    enum class Direction { Undo, Redo };
    // Undo or redo on the list on screen.
    void apply(Direction direction);
    void finishApply(bool mainList, const QString& message);
    void followClean();
    void updateActions();

    EditorContext& context_;
    Tracked main_;
    Tracked update_;
    // The main list as last read or saved; none imported. Until the main table first changes
    // after that, the table itself is the saved state and nothing is copied (a list shows
    // sooner at start-up).
    std::unique_ptr<ChannelTable> saved_;
    bool savedIsMainTable_ = false;
};

} // namespace kanalo
