#pragma once

#include "channels/channel_file_writer.h"
#include "channels/channel_table.h"
#include "shell/editor_settings.h"
#include "shell/start_up.h"
#include "view/column_set.h"

#include <QString>
#include <memory>

namespace kanalo {

// Everything the main window owns for the whole run; the view and the commands read and change
// it. The tables are created at their first load and reused afterwards.
struct EditorState {
    EditorSettings settings;
    ReceiverChoice receiver;
    bool german = false;
    ColumnSets columnSets;

    std::unique_ptr<ChannelTable> mainTable;
    std::unique_ptr<ChannelTable> updateTable;
    bool showingUpdate = false;
    ListKind shownList = ListKind::Tv;

    bool modified = false;
    QString currentPath;
    QString fileTitle;   // the current path's file name
    QString updateTitle; // the Update-List file's name
    bool numbersUnsorted = false;

    // Until the first load every command that needs a list is disabled.
    bool listLoaded() const { return mainTable != nullptr; }
    bool hasUpdateList() const { return updateTable != nullptr; }
    ChannelTable* shownTable() const {
        return showingUpdate && updateTable ? updateTable.get() : mainTable.get();
    }
    FileForm fileForm() const { return receiver.firmware >= 2 ? FileForm::Long : FileForm::Short; }
};

} // namespace kanalo
