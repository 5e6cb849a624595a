#pragma once

#include "core/channels/channel_table.h"
#include "core/format/column_set.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>

namespace kanalo {

enum class ReplacedList;

class EditorContext;
class ListReadAhead;
struct EditorState;

// The commands that move the channel data between files and the screen: Open, Save, Save As,
// the recent files, Open Update and the switches between TV and Radio and between the
// Main-List and the Update-List, with the questions they ask before anything is lost.
class DocumentCommands : public QObject {
    Q_OBJECT

public:
    explicit DocumentCommands(EditorContext& context);
    ~DocumentCommands() override;

    // Starts reading the file a coming loadFile() will load (the list shown at start-up).
    void readAhead(const QString& path);
    bool loadFile(const QString& path);
    bool saveFile(const QString& path);

    void open();
    bool save();
    bool saveAs();
    void openRecent(const QString& path);
    void openUpdate();
    void openUpdateFile(const QString& path);
    // A file dropped on the window: a channels.conf opens as the Update-List (once a list is
    // loaded), anything else as Open opens it, with the same questions first.
    void openDropped(const QString& path);
    void showHalf(ListKind half);
    void showMainList();
    void showUpdateList();

    // Whether a command takes the list on screen away.
    enum class ShownList { Stays, Leaves };
    // The first step of every command that replaces or switches the list on screen: a pending
    // Move or Swap ends, and when the list on screen leaves the renumber question is asked.
    // False: stop.
    bool leaveShownList(ShownList shown);
    // Before the main list is replaced by a file, an import or the Box's list: leaves the shown
    // list, asks to save and clears modified. False: stop.
    bool beforeReplacingMainList();
    // Makes a list that has no file (an import, the Box's list, a backup) the main list and
    // shows it from the top, titled `title` (none: untitled). Save then asks for a name.
    void showListWithoutFile(ChannelTable table, ReplacedList replaced, const QString& title = {});
    // Asked before a modified main list is replaced or the program ends. False: stop.
    bool askToSave();
    // Asked before leaving a list whose numbers are out of order. False: stop.
    bool askRenumberQuestion();
    // Selects the Update-List rows that have no counterpart in the main list.
    void markUpdateDifferences();
    // The header-click sort: the shown list in the order of the key (the number column orders
    // by the number texts); the numbers are then renumbered or marked unsorted.
    void sortByColumn(ColumnKind kind);

private:
    enum FirstLine { MainFirstLine, UpdateFirstLine, TvFirstLine, RadioFirstLine };

    EditorState& state();
    QString channelListFilter() const;
    void rememberTopLine(FirstLine which);
    void restoreTopLine(FirstLine which);
    void setCurrentFile(const QString& path);
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);
    static QString folderOf(const QString& path);

    EditorContext& context_;
    std::array<int, 4> savedFirstLines_{};
    std::unique_ptr<ListReadAhead> readAhead_;
};

} // namespace kanalo
