#include "editor/mainwindow/command_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace kanalo {

namespace {

using C = Command;

// Texts are the English sources of the translation file; "\t" separates the shortcut text.
// Ctrl+P is shown beside Print but deliberately not bound. Del, Ctrl+X, Ctrl+V and Ctrl+B are
// bound to the clipboard's keyboard guard rather than to their menu entries.
constexpr std::array kCommands{
    CommandSpec{C::Open, "&Open...\tCtrl+O", "Open a channel list file\nOpen", "Ctrl+O", "open"},
    CommandSpec{C::Save, "&Save\tCtrl+S", "Save a channel list file\nSave", "Ctrl+S", "save"},
    CommandSpec{C::SaveAs, "Save &As...", "Save a channel list file with different name", nullptr,
                nullptr},
    CommandSpec{C::OpenUpdate, "Open &Update...\tCtrl+U",
                "Open a channel list file and mark all different channels", "Ctrl+U", nullptr},
    CommandSpec{C::ImportDvb, "&Import DVB Channel List...", "Import DVB 2000 Channel List",
                nullptr, nullptr},
    CommandSpec{C::ImportVdr, "Import &VDR Channel List...",
                "Import a VDR channels.conf channel list", nullptr, nullptr},
    CommandSpec{C::ExportVdr, "&VDR Channel List...",
                "Export the channel list as a VDR channels.conf", nullptr, nullptr},
    CommandSpec{C::ExportCsv, "&CSV File...",
                "Export the channel list as a CSV file for spreadsheet programs", nullptr, nullptr},
    CommandSpec{C::RestoreFromBackup, "&Restore from Backup...",
                "Open a list kept when it was loaded from or sent to the Box", nullptr, nullptr},
    CommandSpec{C::Print, "&Print...\tCtrl+P", "Print actual list or its selected lines\nPrint",
                nullptr, "print"},
    CommandSpec{C::Exit, "E&xit\tAlt+F4", "Quits the program", "Alt+F4", nullptr},
    CommandSpec{C::Undo, "Und&o\tCtrl+Z", "Undo the last change of the list\nUndo", nullptr,
                "undo"},
    CommandSpec{C::Redo, "R&edo\tCtrl+Y", "Redo the change undone last\nRedo", nullptr, "redo"},
    CommandSpec{C::Cut, "Cu&t\tCtrl+X", "Move selected channels to clipboard\nCut", nullptr, "cut"},
    CommandSpec{C::Copy, "&Copy\tCtrl+C", "Copy selected channels to clipboard\nCopy", "Ctrl+C",
                "copy"},
    CommandSpec{C::Paste, "&Paste\tCtrl+V", "Insert channels from clipboard\nInsert", nullptr,
                "paste"},
    CommandSpec{C::PasteDirect, "Paste di&rect\tCtrl+B",
                "Insert channels from clipboard without moving channels\nPaste direct", nullptr,
                nullptr},
    CommandSpec{C::Delete, "&Delete\tDel", "Delete selected channels\nDelete", nullptr, nullptr},
    CommandSpec{C::SelectAll, "Select &All", "Selects the entire list\nSelect All", nullptr,
                nullptr},
    CommandSpec{C::FindName, "&Find name...\tCtrl+F", "Search for Channel Name\nFind name",
                "Ctrl+F", "find_name"},
    CommandSpec{C::FindFrequency, "Find freque&ncy...", "Search for Frequency\nFind frequency",
                nullptr, "find_frequency"},
    CommandSpec{C::FindNext, "Find ne&xt\tF3", "Find next matching Channel Name\nFind next", "F3",
                nullptr},
    CommandSpec{C::SortSelection, "&Sort Selection...", "Sort selected block of channels", nullptr,
                nullptr},
    CommandSpec{C::FindDuplicates, "Find D&uplicates",
                "Search for duplicate channels in the channel list", nullptr, nullptr},
    CommandSpec{C::ApplyOrder, "Apply Order from Reference &List...",
                "Bring the Main-List into the order of another channel list, a VDR "
                "channels.conf or a list of names",
                nullptr, nullptr},
    CommandSpec{C::LoadFromBox, "&Load Settings from Box\tCtrl+F9",
                "Load Channel list from Box  to PC\nLoad Channel list from Box", "Ctrl+F9",
                "load_from_box"},
    CommandSpec{C::SendToBox, "&Send Setings to Box\tCtrl+F10",
                "Send Channel list to Box\nSend Channel list to Box", "Ctrl+F10", "send_to_box"},
    CommandSpec{C::SoftwareUpdate, "Box Software &Update...",
                "Loads a new software into the Box\nSoftware Update", nullptr, nullptr},
    CommandSpec{C::Com1, "COM &1", "Use COM1 to communicate with Box\nUse COM1", nullptr, nullptr},
    CommandSpec{C::Com2, "COM &2", "Use COM2 to communicate with Box\nUse COM2", nullptr, nullptr},
    CommandSpec{C::Com3, "COM &3", "Use COM3 to communicate with Box\nUse COM3", nullptr, nullptr},
    CommandSpec{C::Com4, "COM &4", "Use COM4 to communicate with Box\nUse COM4", nullptr, nullptr},
    CommandSpec{C::ViewTv, "T&V\tCtrl+T", "Show TV Channel list\nTV Channels", "Ctrl+T", "tv"},
    CommandSpec{C::ViewRadio, "&Radio\tCtrl+R", "Show Radio Channel list\nRadio Channels", "Ctrl+R",
                "radio"},
    CommandSpec{C::MainList, "&1 Main-List\tCtrl+1", "View Main Channel List\nMain-List", "Ctrl+1",
                "main_list"},
    CommandSpec{C::UpdateList, "&2 Update-List\tCtrl+2", "View Update Channel List\nUpdate-List",
                "Ctrl+2", "update_list"},
    CommandSpec{C::ToggleToolbar, "&Toolbar", "Show or hide the toolbar", nullptr, nullptr},
    CommandSpec{C::ToggleStatusBar, "&Status bar", "Show or hide the statusline", nullptr, nullptr},
    CommandSpec{C::SatelliteScreen, "&Screen...",
                "Edit satellite names and transfer from or to Box\nSatellite List", nullptr,
                nullptr},
    CommandSpec{C::SatellitePrinter, "&Printer...", "Separate satellite list for print function",
                nullptr, nullptr},
    CommandSpec{C::ConfigureScreen, "&Screen...", "Enable additional items in list\nConfigure List",
                nullptr, nullptr},
    CommandSpec{C::ConfigurePrinter, "&Printer...",
                "Enable additional items in printer list\nConfigure List", nullptr, nullptr},
    CommandSpec{C::Options, "&Options...", "Set all options\nOptions", nullptr, nullptr},
    CommandSpec{C::DefaultColumnWidths, "&Default Columns Width",
                "Set the default width for all columns in the list", nullptr, nullptr},
    CommandSpec{C::HelpContents, "&Contents\tF1", "Show Help contents\nHelp", "F1", nullptr},
    CommandSpec{C::About, "&About Kanalo...", nullptr, nullptr, "about"},
    CommandSpec{C::ChangeUserListYes, "&Yes", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeUserListNo, "&No", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeEpgYes, "&Yes", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeEpgNo, "&No", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeFrequency, "Frequen&cy...", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeHorizontal, "&Horizontal", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeVertical, "&Vertical", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeSymbolRate, "&Symbol rate...", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeSatellite, "S&atellite...", nullptr, nullptr, nullptr},
    CommandSpec{C::ChangeDelete, "&Delete", nullptr, nullptr, nullptr},
    CommandSpec{C::ToggleUserList, "In &Userlist", nullptr, nullptr, nullptr},
    CommandSpec{C::ToggleEpg, "E&PG", nullptr, nullptr, nullptr},
    CommandSpec{C::EditChannel, "&Edit channel...\tEnter", nullptr, nullptr, nullptr},
    CommandSpec{C::NewChannel, "&New channel...", nullptr, nullptr, nullptr},
    CommandSpec{C::MoveChannels, "&Move channels", nullptr, nullptr, nullptr},
    CommandSpec{C::SwapChannels, "S&wap channels", nullptr, nullptr, nullptr},
    CommandSpec{C::DeleteChannel, "&Delete channel", nullptr, nullptr, nullptr},
    CommandSpec{C::TransponderList, "&Transponder list...", nullptr, nullptr, nullptr},
    CommandSpec{C::ShowDifferencesByName, "&Show Differences (search for name)...", nullptr,
                nullptr, nullptr},
    CommandSpec{C::ShowDifferencesByFrequency, "Show &Differences (search for frequency)...",
                nullptr, nullptr, nullptr},
};

using N = MenuNode;
using K = MenuNode::Kind;
constexpr N cmd(Command c) {
    return {K::Command, c};
}
constexpr N separator() {
    return {K::Separator};
}

constexpr std::array kUserListMenu{cmd(C::ChangeUserListYes), cmd(C::ChangeUserListNo)};
constexpr std::array kEpgMenu{cmd(C::ChangeEpgYes), cmd(C::ChangeEpgNo)};
constexpr std::array kPolarisationMenu{cmd(C::ChangeHorizontal), cmd(C::ChangeVertical)};
constexpr std::array kChangeMenu{N{K::Submenu, C::Open, "In &Userlist", kUserListMenu},
                                 N{K::Submenu, C::Open, "&EPG", kEpgMenu},
                                 cmd(C::ChangeFrequency),
                                 N{K::Submenu, C::Open, "&Polarisation", kPolarisationMenu},
                                 cmd(C::ChangeSymbolRate),
                                 cmd(C::ChangeSatellite),
                                 cmd(C::ChangeDelete)};
constexpr std::array kMainContextMenu{
    N{K::Submenu, C::Open, "Change selected c&hannels", kChangeMenu},
    separator(),
    cmd(C::ToggleUserList),
    cmd(C::ToggleEpg),
    separator(),
    cmd(C::EditChannel),
    separator(),
    cmd(C::NewChannel),
    separator(),
    cmd(C::MoveChannels),
    cmd(C::SwapChannels),
    cmd(C::DeleteChannel),
    separator(),
    cmd(C::TransponderList)};
constexpr std::array kExportMenu{cmd(C::ExportVdr), cmd(C::ExportCsv)};
constexpr std::array kFileMenu{cmd(C::Open),
                               cmd(C::Save),
                               cmd(C::SaveAs),
                               separator(),
                               cmd(C::OpenUpdate),
                               separator(),
                               cmd(C::ImportDvb),
                               cmd(C::ImportVdr),
                               N{K::Submenu, C::Open, "&Export", kExportMenu},
                               separator(),
                               cmd(C::RestoreFromBackup),
                               separator(),
                               cmd(C::Print),
                               separator(),
                               N{K::RecentFiles},
                               separator(),
                               cmd(C::Exit)};
constexpr std::array kEditMenu{
    cmd(C::Undo), cmd(C::Redo), separator(), cmd(C::Cut), cmd(C::Copy), cmd(C::Paste),
    cmd(C::PasteDirect), cmd(C::Delete), cmd(C::SelectAll), separator(),
    // The row context menu again, for the keyboard and for discovery.
    N{K::Submenu, C::Open, "C&hannel", kMainContextMenu}, separator(), cmd(C::FindName),
    cmd(C::FindFrequency), cmd(C::FindNext), separator(), cmd(C::SortSelection),
    cmd(C::FindDuplicates), cmd(C::ApplyOrder)};
constexpr std::array kComPortMenu{cmd(C::Com1), cmd(C::Com2), cmd(C::Com3), cmd(C::Com4)};
constexpr std::array kSerialMenu{
    cmd(C::LoadFromBox),    cmd(C::SendToBox), separator(),
    cmd(C::SoftwareUpdate), separator(),       N{K::Submenu, C::Open, "COM Port", kComPortMenu}};
constexpr std::array kViewMenu{cmd(C::ViewTv),        cmd(C::ViewRadio),      separator(),
                               cmd(C::MainList),      cmd(C::UpdateList),     separator(),
                               cmd(C::ToggleToolbar), cmd(C::ToggleStatusBar)};
constexpr std::array kSatelliteMenu{cmd(C::SatelliteScreen), cmd(C::SatellitePrinter)};
constexpr std::array kConfigureMenu{cmd(C::ConfigureScreen), cmd(C::ConfigurePrinter)};
constexpr std::array kSettingsMenu{N{K::Submenu, C::Open, "&Satellite List", kSatelliteMenu},
                                   N{K::Submenu, C::Open, "&Configure List", kConfigureMenu},
                                   cmd(C::Options), cmd(C::DefaultColumnWidths)};
constexpr std::array kHelpMenu{cmd(C::HelpContents), separator(), cmd(C::About)};
constexpr std::array kMainMenu{
    N{K::Submenu, C::Open, "&File", kFileMenu},         N{K::Submenu, C::Open, "&Edit", kEditMenu},
    N{K::Submenu, C::Open, "&Serial", kSerialMenu},     N{K::Submenu, C::Open, "&View", kViewMenu},
    N{K::Submenu, C::Open, "Se&ttings", kSettingsMenu}, N{K::Submenu, C::Open, "&Help", kHelpMenu}};

constexpr std::array kUpdateContextMenu{cmd(C::ShowDifferencesByName),
                                        cmd(C::ShowDifferencesByFrequency)};

constexpr std::array<std::optional<Command>, 22> kToolBar{
    C::ViewTv,      C::ViewRadio, std::nullopt, C::MainList,  C::UpdateList,    std::nullopt,
    C::Open,        C::Save,      C::Print,     std::nullopt, C::Cut,           C::Copy,
    C::Paste,       C::Undo,      C::Redo,      C::FindName,  C::FindFrequency, std::nullopt,
    C::LoadFromBox, C::SendToBox, std::nullopt, C::About};

} // namespace

std::span<const CommandSpec> commandSpecs() {
    return kCommands;
}

const CommandSpec& commandSpec(Command command) {
    const auto found =
        std::find_if(kCommands.begin(), kCommands.end(),
                     [&](const CommandSpec& spec) { return spec.command == command; });
    if (found == kCommands.end())
        throw std::logic_error("command without a table entry");
    return *found;
}

std::span<const MenuNode> mainMenuTree() {
    return kMainMenu;
}
std::span<const MenuNode> mainListContextMenuTree() {
    return kMainContextMenu;
}
std::span<const MenuNode> updateListContextMenuTree() {
    return kUpdateContextMenu;
}
std::span<const std::optional<Command>> toolBarButtons() {
    return kToolBar;
}

} // namespace kanalo
