#pragma once

#include "editor/base/command.h"

#include <optional>
#include <span>

namespace kanalo {

struct CommandSpec {
    Command command;
    const char* text;     // English menu text with "&" mnemonic and "\t" shortcut text
    const char* prompt;   // status-bar prompt, "\n", tool tip; may be null
    const char* shortcut; // the key actually bound, in portable text form; may be null
    const char* icon;     // toolbar icon name; may be null
};

std::span<const CommandSpec> commandSpecs();
const CommandSpec& commandSpec(Command command);

// A node of a menu tree: a command, a separator, or a submenu with its children.
struct MenuNode {
    enum class Kind { Command, Separator, Submenu, RecentFiles } kind;
    Command command = Command::Open;
    const char* title = nullptr;
    std::span<const MenuNode> children = {};
};

std::span<const MenuNode> mainMenuTree();
std::span<const MenuNode> mainListContextMenuTree();
std::span<const MenuNode> updateListContextMenuTree();

// Toolbar buttons in order; nullopt stands for a separator.
std::span<const std::optional<Command>> toolBarButtons();

} // namespace kanalo
