#pragma once

#include "core/channels/channel_file_writer.h"
#include "core/channels/channel_table.h"
#include "core/channels/file_stamp.h"
#include "core/format/column_set.h"
#include "editor/base/editor_settings.h"
#include "editor/base/start_up.h"

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
    FileStamp currentFileStamp; // the current path as last read or saved
    QString fileTitle;          // the current path's file name
    QString updateTitle;        // the Update-List file's name
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
