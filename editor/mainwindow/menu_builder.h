#pragma once

#include "editor/mainwindow/command_table.h"

#include <QHash>
#include <QMenu>

class QAction;
class QMainWindow;
class QMenuBar;
class QToolBar;

namespace kanalo {

// Creates one QAction per command, with its translated text, status-bar prompt, tool tip,
// bound shortcut and icon, and builds the menus and the toolbar from the command tables.
class CommandActions {
public:
    explicit CommandActions(QObject* owner);

    QAction* operator[](Command command) const { return actions_.value(command); }
    const QHash<Command, QAction*>& all() const { return actions_; }

    // The menus that the window fills or prepares itself.
    struct MenuBarAnchors {
        QMenu* recentFiles = nullptr;
        QMenu* rowCommands = nullptr; // the Edit menu's copy of the row context menu
    };
    MenuBarAnchors buildMenuBar(QMenuBar* bar) const;
    QMenu* buildContextMenu(std::span<const MenuNode> tree, QWidget* parent) const;
    void fillToolBar(QToolBar* toolBar) const;

private:
    void addNodes(QMenu* menu, std::span<const MenuNode> nodes, MenuBarAnchors* anchors) const;

    QHash<Command, QAction*> actions_;
};

} // namespace kanalo
