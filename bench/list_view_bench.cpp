// The channel list view on a full list, offscreen: ShowList with renumbering, and start-up to
// the first painted window with a full list loaded at start.
#include "bench/full_table.h"
#include "core/channels/channel_file.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace kanalo;

using bench::fullTable;

void BM_ShowListRenumberFullList(benchmark::State& state) {
    EditorState editor;
    editor.setUpTables(fullTable());
    editor.columnSets = ColumnSets::fromSettings(0, 0);
    CRowListView view(editor);
    view.resize(1000, 700);
    view.InsertColumns(true);
    view.show();
    view.ShowList(ListKind::Tv, true);
    for (auto _ : state) {
        view.ShowList(ListKind::Tv, true);
        QApplication::processEvents(); // includes the repaint of the visible rows
    }
}
BENCHMARK(BM_ShowListRenumberFullList)->Unit(benchmark::kMillisecond);

// "RedLines" on with an Update-List loaded: every row also asks whether its channel is
// missing from the Update-List.
void BM_ShowListWithRedLinesAndUpdateList(benchmark::State& state) {
    EditorState editor;
    auto update = fullTable();
    for (std::size_t slot = 0; slot < kListCapacity; slot += 10)
        update->tv()[slot].setSymbolRate(22000); // every tenth channel differs
    editor.setUpTables(fullTable(), std::move(update));
    editor.settings.redLines = true;
    editor.columnSets = ColumnSets::fromSettings(0, 0);
    CRowListView view(editor);
    view.resize(1000, 700);
    view.InsertColumns(true);
    view.show();
    for (auto _ : state) {
        view.ShowList(ListKind::Tv, true);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowListWithRedLinesAndUpdateList)->Unit(benchmark::kMillisecond);

// Signals the first paint of a widget's viewport.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        painted |= event->type() == QEvent::Paint;
        return false;
    }
};

void BM_StartUpToFirstPaintWithFullList(benchmark::State& state) {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("full.dat"));
    writeChannelFile(list.toStdString(), *fullTable(), FileForm::Long);
    QSettings store(dir.filePath(QStringLiteral("Kanalo.ini")), QSettings::IniFormat);
    store.setValue(QStringLiteral("Directories/AutoLoad"), list);
    for (auto _ : state) {
        EditorState editor;
        editor.settings = EditorSettings::read(store);
        editor.receiver = {BoxType::Pella1Plus, 2};
        CMainFrame frame(std::move(editor), store);
        FirstPaint paint;
        frame.view()->viewport()->installEventFilter(&paint);
        frame.show();
        while (!paint.painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!frame.state().listLoaded())
            state.SkipWithError("the autoload list was not loaded");
    }
}
BENCHMARK(BM_StartUpToFirstPaintWithFullList)->Unit(benchmark::kMillisecond)->Iterations(10);

// Rows first, first + step, ... below end.
std::vector<int> rowRange(int first, int end, int step) {
    std::vector<int> rows;
    for (int row = first; row < end; row += step)
        rows.push_back(row);
    return rows;
}

// Edit > Delete of 1000 selected rows (every other one) on a full list, and Paste of 1000
// channels after the first row of a half-empty list, each with the rows' rebuild.
struct EditorOnFullList {
    EditorOnFullList() : store(dir.filePath(QStringLiteral("Kanalo.ini")), QSettings::IniFormat) {
        EditorState editor;
        editor.settings = EditorSettings::read(store);
        editor.receiver = {BoxType::Pella1Plus, 2};
        editor.setUpTables(fullTable());
        frame = std::make_unique<CMainFrame>(std::move(editor), store);
        frame->resize(1000, 700);
        frame->show();
        frame->view()->ShowList(ListKind::Tv, true);
    }
    void select(const std::vector<int>& rows) {
        frame->view()->selectRows(rows);
        frame->updateCommandStates();
    }
    // Makes the table the loaded list, with a fresh history.
    void load(const ChannelTable& table) {
        frame->replaceList(ListTable::Main, table, ReplacedList::Unmodified);
        frame->view()->ShowList(ListKind::Tv, true);
    }

    QTemporaryDir dir;
    QSettings store;
    std::unique_ptr<CMainFrame> frame;
};

// A header click on "Name" of the main list, with the rows rebuilt and the step recorded.
void BM_HeaderSortByNameFullList(benchmark::State& state) {
    EditorOnFullList editor;
    for (auto _ : state) {
        Q_EMIT editor.frame->view()->sortRequested(state.iterations() % 2 ? ColumnKind::Name
                                                                          : ColumnKind::Frequency);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HeaderSortByNameFullList)->Unit(benchmark::kMillisecond);

// Each with the rows' rebuild and the undo step.
void BM_DeleteThousandSelectedRows(benchmark::State& state) {
    EditorOnFullList editor;
    const std::vector<int> rows = rowRange(0, 2000, 2);
    const auto full = fullTable();
    for (auto _ : state) {
        state.PauseTiming();
        editor.load(*full);
        editor.select(rows);
        state.ResumeTiming();
        editor.frame->action(Command::Delete)->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DeleteThousandSelectedRows)->Unit(benchmark::kMillisecond);

void BM_PasteThousandChannels(benchmark::State& state) {
    EditorOnFullList editor;
    const std::vector<int> rows = rowRange(0, 1000, 1);
    editor.select(rows);
    editor.frame->action(Command::Copy)->trigger();
    auto halfEmpty = fullTable();
    for (std::size_t slot = 999; slot < kListCapacity; ++slot)
        halfEmpty->tv()[slot].setFree(true);
    for (auto _ : state) {
        state.PauseTiming();
        editor.load(*halfEmpty);
        editor.select({0});
        state.ResumeTiming();
        editor.frame->action(Command::Paste)->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PasteThousandChannels)->Unit(benchmark::kMillisecond);

// Undo and redo, taking turns, of one step on a full list, with the rows' rebuild: a Paste of
// 1000 channels, a Delete of 1000 rows, a header sort with renumbering.
void undoRedoTurns(benchmark::State& state, EditorOnFullList& editor) {
    bool redo = false;
    for (auto _ : state) {
        editor.frame->action(redo ? Command::Redo : Command::Undo)->trigger();
        QApplication::processEvents();
        redo = !redo;
    }
    // After an undo the list is the saved one again; after a redo it is modified.
    if (editor.frame->state().modified == redo)
        state.SkipWithError("undo and redo did not take turns");
}

void BM_UndoRedoPasteThousand(benchmark::State& state) {
    EditorOnFullList editor;
    const std::vector<int> rows = rowRange(0, 1000, 1);
    editor.select(rows);
    editor.frame->action(Command::Copy)->trigger();
    auto halfEmpty = fullTable();
    for (std::size_t slot = 999; slot < kListCapacity; ++slot)
        halfEmpty->tv()[slot].setFree(true);
    editor.load(*halfEmpty);
    editor.select({0});
    editor.frame->action(Command::Paste)->trigger();
    undoRedoTurns(state, editor);
}
BENCHMARK(BM_UndoRedoPasteThousand)->Unit(benchmark::kMillisecond);

void BM_UndoRedoDeleteThousand(benchmark::State& state) {
    EditorOnFullList editor;
    const std::vector<int> rows = rowRange(0, 2000, 2);
    editor.select(rows);
    editor.frame->action(Command::Delete)->trigger();
    undoRedoTurns(state, editor);
}
BENCHMARK(BM_UndoRedoDeleteThousand)->Unit(benchmark::kMillisecond);

void BM_UndoRedoSortWithRenumbering(benchmark::State& state) {
    EditorOnFullList editor;
    editor.frame->state().settings.sortNumbers = true;
    auto reversed = fullTable();
    std::reverse(reversed->tv().begin(), reversed->tv().end()); // the sort moves every channel
    editor.load(*reversed);
    Q_EMIT editor.frame->view()->sortRequested(ColumnKind::Name);
    undoRedoTurns(state, editor);
}
BENCHMARK(BM_UndoRedoSortWithRenumbering)->Unit(benchmark::kMillisecond);

// What recording adds to a command: the comparison of both tables with their copies, the step,
// and the command states that follow it.
void BM_RecordOneStep(benchmark::State& state) {
    EditorOnFullList editor;
    for (auto _ : state)
        editor.frame->editList(EditKind::ToggleEpg, ListTable::Main, [](ChannelTable& table) {
            ChannelRecord& record = table.tv()[1000];
            record.setEpg(!record.epg());
        });
}
BENCHMARK(BM_RecordOneStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
