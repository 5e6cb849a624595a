#pragma once

#include "core/channels/channel_table.h"
#include "core/listops/search.h"
#include "editor/dialogs/find_dialog.h"

#include <QObject>

namespace kanalo {

class CChannelListDlg;
class EditorContext;
struct EditorState;

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
    const FindDefaults& findDefaults() const { return defaults_; }

private:
    EditorState& state();
    void updateStates();
    // Runs the channel dialog on a record of the given half; false on Cancel, with the
    // record as it was.
    bool editRecord(ChannelRecord& record, ListKind half, std::size_t userListCount,
                    QWidget* parent);
    void showSlot(int slot);
    bool confirmDelete(QWidget* parent);

    void editDuplicate(CChannelListDlg& dialog, int line);
    void listDuplicate(CChannelListDlg& dialog, int line);
    void deleteDuplicate(CChannelListDlg& dialog, int line);
    void editTransponderLine(CChannelListDlg& dialog, int line);
    void listTransponderLine(CChannelListDlg& dialog, int line);
    void deleteTransponderLine(CChannelListDlg& dialog, int line);

    EditorContext& context_;
    SearchState search_;
    FindDefaults defaults_;
};

} // namespace kanalo
