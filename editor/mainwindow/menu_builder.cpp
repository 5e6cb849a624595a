#include "editor/mainwindow/menu_builder.h"

#include "editor/base/rendered_icon.h"
#include "editor/base/texts.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

namespace kanalo {

CommandActions::CommandActions(QObject* owner) {
    for (const CommandSpec& spec : commandSpecs()) {
        auto* action = new QAction(text(spec.text), owner);
        if (spec.prompt) {
            // The prompt's first line goes to the status bar, the second is the tool tip.
            const QString prompt = text(spec.prompt);
            const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
            action->setStatusTip(split < 0 ? prompt : prompt.left(split));
            if (split >= 0)
                action->setToolTip(prompt.mid(split + 1));
        }
        if (spec.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
        if (spec.icon)
            action->setIcon(resourceIcon(spec.icon));
        action->setEnabled(false); // each command enables itself once it has something to do
        actions_.insert(spec.command, action);
    }
}

void CommandActions::addNodes(QMenu* menu, std::span<const MenuNode> nodes,
                              MenuBarAnchors* anchors) const {
    for (const MenuNode& node : nodes) {
        switch (node.kind) {
        case MenuNode::Kind::Command:
            menu->addAction(actions_.value(node.command));
            break;
        case MenuNode::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuNode::Kind::Submenu: {
            QMenu* submenu = menu->addMenu(text(node.title));
            if (anchors && node.children.data() == mainListContextMenuTree().data())
                anchors->rowCommands = submenu;
            addNodes(submenu, node.children, anchors);
            break;
        }
        case MenuNode::Kind::RecentFiles:
            if (anchors)
                anchors->recentFiles = menu;
            menu->addSeparator()->setObjectName(QStringLiteral("recentFiles"));
            break;
        }
    }
}

CommandActions::MenuBarAnchors CommandActions::buildMenuBar(QMenuBar* bar) const {
    MenuBarAnchors anchors;
    for (const MenuNode& top : mainMenuTree())
        addNodes(bar->addMenu(text(top.title)), top.children, &anchors);
    return anchors;
}

QMenu* CommandActions::buildContextMenu(std::span<const MenuNode> tree, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    addNodes(menu, tree, nullptr);
    return menu;
}

void CommandActions::fillToolBar(QToolBar* toolBar) const {
    for (const auto& button : toolBarButtons()) {
        if (button)
            toolBar->addAction(actions_.value(*button));
        else
            toolBar->addSeparator();
    }
}

} // namespace kanalo
