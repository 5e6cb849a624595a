#pragma once

#include "core/channels/channel_table.h"
#include "core/listops/search.h"
#include "editor/base/editor_state.h"
#include "editor/dialogs/find_dialog.h"

#include <QObject>
#include <functional>

namespace kanalo {

class CChannelListDlg;
class EditorContext;

// Find name, Find frequency and Find next over the shown list, Find Duplicates, and the
// transponder list of the Main-List's context menu.
class FindCommands : public QObject {
    Q_OBJECT

public:
    explicit FindCommands(EditorContext& context);

    void findName();
    void findFrequency();
    void findNext();
    void findDuplicates();
    void transponderList();

    const SearchState& search() const { return search_; }

private:
    // What the lines of a list window stand for: the table their slots are in, and how a line
    // reads.
    struct WindowLines {
        ListTable table;
        std::function<QString(const ChannelRecord& record, int slot, ListKind half)> text;
    };

    EditorState& state();
    void updateStates();
    void showSlot(int slot);
    bool confirmDelete(QWidget* parent);
    // A list window's Edit and Delete: the channel of the line, changed through the list-edit
    // entry point; the line follows.
    void editLine(CChannelListDlg& dialog, int line, const WindowLines& lines);
    void deleteLine(CChannelListDlg& dialog, int line, ListTable table);
    void connectWindow(CChannelListDlg& dialog, const WindowLines& lines,
                       const std::function<void(int line)>& list);

    void listDuplicate(CChannelListDlg& dialog, int line);
    void listTransponderLine(CChannelListDlg& dialog, int line);

    EditorContext& context_;
    SearchState search_;
    FindDefaults defaults_;
};

} // namespace kanalo
