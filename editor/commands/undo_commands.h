#pragma once

#include "core/listops/list_history.h"
#include "editor/commands/editor_context.h"

#include <QObject>
#include <QString>
#include <memory>

namespace kanalo {

// The one door through which lists change, and Edit › Undo and Redo. A command hands its
// change to edit(); the change is found by comparing the tables with their copies as of the last
// step, so a command needs no code of its own to become undoable. The main list and the
// Update-List keep their own steps; Undo acts on the list on screen.
class UndoCommands : public QObject, private TableWriter {
    Q_OBJECT

public:
    explicit UndoCommands(EditorContext& context);
    ~UndoCommands() override;

    void edit(EditKind kind, ListTable table, const ListEdit& edit);
    void replace(ListTable table, const ChannelTable& contents, ReplacedList replaced);
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
        std::unique_ptr<ChannelTable> baseline; // the table as of the last step
    };
    struct Capture {
        const ChannelTable* table = nullptr;
        ListKind list = ListKind::Tv;
        ViewState view;
    };

    EditorState& state() const;
    const ChannelTable* tableOf(const Tracked& tracked) const;
    Tracked& shownTracked();
    ViewState currentView(bool withNumbers) const;
    // Records what changed since the last step, one step per changed half, and shows the
    // changed rows of the half on screen.
    void record(EditKind kind, const Capture& before);
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
    std::unique_ptr<ChannelTable> saved_; // the main list as last read or saved; none imported
};

} // namespace kanalo
