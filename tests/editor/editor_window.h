#pragma once

#include "editor/base/start_up.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace kanalo::test {

// The bundled sample list; KANALO_SAMPLE_LIST comes from tests/editor/CMakeLists.txt.
inline QString sampleListPath() {
    return QStringLiteral(KANALO_SAMPLE_LIST);
}

inline QByteArray sampleListBytes() {
    QFile file(sampleListPath());
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A main window over a settings file of its own in a temporary folder, as the editor builds it
// at start-up once the receiver is settled.
struct EditorWindow {
    void open(const QString& iniText = {}, ReceiverChoice receiver = {BoxType::Pella1Plus, 2},
              const QString& commandLineFile = {}) {
        store = std::make_unique<QSettings>(write(QStringLiteral("Kanalo.ini"), iniText.toUtf8()),
                                            QSettings::IniFormat);
        EditorState state;
        state.settings = EditorSettings::read(*store);
        state.receiver = receiver;
        state.german = germanInterface();
        frame = std::make_unique<CMainFrame>(std::move(state), *store, commandLineFile);
    }
    void show() {
        frame->resize(900, 500);
        frame->show();
    }
    bool loadSample() { return frame->loadFile(sampleListPath()); }
    // One list of a table as if its file had held what `change` makes of it, shown afresh.
    void setUpList(ListTable table, ListKind half, const std::function<void(ChannelList)>& change) {
        ChannelTable copy = *(table == ListTable::Update ? frame->state().updateTable()
                                                         : frame->state().mainTable());
        change(copy.list(half));
        frame->replaceList(table, copy, ReplacedList::Unmodified);
        frame->view()->ShowList(frame->state().shownList, false);
    }
    // A file in the temporary folder; returns its path.
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace kanalo::test
