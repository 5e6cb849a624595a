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

struct EditorState;

// Which table a list edit changes.
enum class ListTable { Shown, Main, Update };

// The key to changing a table. The editor's one list-edit entry point derives from it; every
// other part of the editor reads the tables through EditorState's const accessors.
class TableWriter {
protected:
    // The table, created empty at its first use.
    static ChannelTable& writableTable(EditorState& state, ListTable which);
    // The table becomes the contents, whose slots it takes over.
    static void replaceTable(EditorState& state, ListTable which, ChannelTable&& contents);

private:
    // Where the table lives; Shown is the Update-List while it is on screen.
    static std::unique_ptr<ChannelTable>& ownedTable(EditorState& state, ListTable which);
};

// Everything the main window owns for the whole run; the view and the commands read it. The
// tables are created at their first load and reused afterwards; only TableWriter changes them.
struct EditorState {
    EditorSettings settings;
    ReceiverChoice receiver;
    bool german = false;
    ColumnSets columnSets;

    bool showingUpdate = false;
    ListKind shownList = ListKind::Tv;

    bool modified = false;
    QString currentPath;
    FileStamp currentFileStamp; // the current path as last read or saved
    QString fileTitle;          // the current path's file name
    QString updateTitle;        // the Update-List file's name
    bool numbersUnsorted = false;

    const ChannelTable* mainTable() const { return main_.get(); }
    const ChannelTable* updateTable() const { return update_.get(); }
    // Until the first load every command that needs a list is disabled.
    bool listLoaded() const { return main_ != nullptr; }
    bool hasUpdateList() const { return update_ != nullptr; }
    const ChannelTable* shownTable() const {
        return showingUpdate && update_ ? update_.get() : main_.get();
    }
    FileForm fileForm() const { return receiver.firmware >= 2 ? FileForm::Long : FileForm::Short; }

    // Tables for a state made before the editor exists (tests and benchmarks).
    void setUpTables(std::unique_ptr<ChannelTable> main,
                     std::unique_ptr<ChannelTable> update = {}) {
        main_ = std::move(main);
        update_ = std::move(update);
    }

private:
    friend class TableWriter;
    std::unique_ptr<ChannelTable> main_;
    std::unique_ptr<ChannelTable> update_;
};

inline std::unique_ptr<ChannelTable>& TableWriter::ownedTable(EditorState& state, ListTable which) {
    if (which == ListTable::Shown)
        which = state.showingUpdate && state.update_ ? ListTable::Update : ListTable::Main;
    return which == ListTable::Main ? state.main_ : state.update_;
}

inline ChannelTable& TableWriter::writableTable(EditorState& state, ListTable which) {
    std::unique_ptr<ChannelTable>& table = ownedTable(state, which);
    if (!table)
        table = std::make_unique<ChannelTable>();
    return *table;
}

inline void TableWriter::replaceTable(EditorState& state, ListTable which,
                                      ChannelTable&& contents) {
    std::unique_ptr<ChannelTable>& table = ownedTable(state, which);
    if (table)
        *table = std::move(contents);
    else
        table = std::make_unique<ChannelTable>(std::move(contents));
}

} // namespace kanalo
