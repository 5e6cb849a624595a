// One side of the clipboard test between two editors: a full editor window on a real display.
//   clipboard_peer copy LIST FIRST COUNT   copies COUNT rows from FIRST and keeps serving the
//                                          clipboard until it is killed
//   clipboard_peer paste LIST ROW OUT      pastes after ROW and saves the list as OUT
#include "editor/base/editor_settings.h"
#include "editor/commands/document_commands.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

using namespace kanalo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 || (args[1] != "copy" && args[1] != "paste")) {
        std::fprintf(stderr, "usage: clipboard_peer copy LIST FIRST COUNT | paste LIST ROW OUT\n");
        return 2;
    }
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("Kanalo.ini")), QSettings::IniFormat);
    EditorState state;
    state.settings = EditorSettings::read(store);
    state.receiver = {BoxType::Pella1Plus, 2};
    CMainFrame frame(std::move(state), store);
    frame.show();
    if (!frame.loadFile(args[2]))
        return 1;
    CRowListView* view = frame.view();
    if (args[1] == "copy") {
        const int first = args[3].toInt();
        std::vector<int> rows;
        for (int i = 0; i < args[4].toInt(); ++i)
            rows.push_back(first + i);
        view->selectRows(rows);
        frame.action(Command::Copy)->trigger();
        std::printf("copied\n");
        std::fflush(stdout);
        return QApplication::exec(); // the clipboard's owner must stay alive
    }
    // Wait until the other editor's channels are on the clipboard.
    QElapsedTimer waited;
    waited.start();
    while (!QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("SorrelpadTV"))) {
        if (waited.elapsed() > 20000) {
            std::fprintf(stderr, "no channels on the clipboard\n");
            return 1;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    view->selectRows({args[3].toInt()});
    frame.updateCommandStates();
    frame.action(Command::Paste)->trigger();
    return frame.documents().saveFile(args[4]) ? 0 : 1;
}
