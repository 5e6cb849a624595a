// Recording, undo and redo of the largest list edits on a full list: a Paste of 1000 channels,
// a sort with renumbering and a Delete of 1000 rows; and the heap a history of 100 of the
// largest steps takes. The record benchmarks run each command with recording (arg 1) and
// without (arg 0), so the difference is what recording adds; the list is rebuilt untimed.
#include "bench/full_table.h"
#include "core/listops/channel_order.h"
#include "core/listops/list_history.h"
#include "core/listops/slot_operations.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>
#include <vector>

namespace {

using namespace kanalo;

constexpr int kSlots = static_cast<int>(kListCapacity);
constexpr int kBatch = 1000;

struct Edit {
    EditKind kind;
    void (*prepare)(ChannelList list);
    void (*run)(ChannelList list);
};

const ChannelTable& fullList() {
    static const auto table = bench::fullTable();
    return *table;
}

void restore(ChannelList list) {
    std::ranges::copy(fullList().tv(), list.begin());
}

std::vector<ChannelRecord> pastedRecords() {
    std::vector<ChannelRecord> records(fullList().radio().begin(),
                                       fullList().radio().begin() + kBatch);
    for (ChannelRecord& record : records)
        record.setVideoPid(100);
    return records;
}

// The full list with its last 1000 slots free; 1000 channels go in below row 10.
const Edit kPaste{EditKind::Paste,
                  [](ChannelList list) {
                      restore(list);
                      for (int slot = kSlots - kBatch; slot < kSlots; ++slot)
                          list[static_cast<std::size_t>(slot)].setFree(true);
                  },
                  [](ChannelList list) {
                      static const auto records = pastedRecords();
                      pasteInsert(list, 11, records);
                  }};

// The full list shuffled, sorted by name; the renumbering leaves the number column as it was.
const Edit kSort{EditKind::Sort,
                 [](ChannelList list) {
                     restore(list);
                     std::shuffle(list.begin(), list.end(), std::mt19937(15));
                 },
                 [](ChannelList list) {
                     rewriteInOrder(list, sortedSlotOrder(list, ListKind::Tv, ColumnKind::Name));
                 }};

// Every other row of the full list.
const Edit kDelete{EditKind::Delete, restore, [](ChannelList list) {
                       std::vector<int> rows;
                       for (int row = 0; row < 2 * kBatch; row += 2)
                           rows.push_back(row);
                       deleteWithCompaction(list, rows);
                   }};

void record(benchmark::State& state, const Edit& edit) {
    ChannelTable table;
    const bool recording = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit.prepare(table.tv());
        state.ResumeTiming();
        if (!recording) {
            edit.run(table.tv());
            continue;
        }
        const ListSnapshot before(table.tv());
        edit.run(table.tv());
        ListStep step(edit.kind, ListKind::Tv, before, table.tv());
        benchmark::DoNotOptimize(step);
    }
}

// One iteration is an undo and a redo.
void undoRedo(benchmark::State& state, const Edit& edit) {
    ChannelTable table;
    edit.prepare(table.tv());
    const ListSnapshot before(table.tv());
    edit.run(table.tv());
    ListHistory history;
    history.push(ListStep(edit.kind, ListKind::Tv, before, table.tv()));
    state.counters["slots"] = static_cast<double>(history.nextUndo()->changedSlots().size());
    for (auto _ : state) {
        history.undo(table);
        history.redo(table);
        benchmark::DoNotOptimize(table.tv()[0]);
    }
}

void BM_RecordPaste1000(benchmark::State& state) {
    record(state, kPaste);
}
void BM_RecordSortRenumbered(benchmark::State& state) {
    record(state, kSort);
}
void BM_RecordDelete1000(benchmark::State& state) {
    record(state, kDelete);
}
void BM_UndoRedoPaste1000(benchmark::State& state) {
    undoRedo(state, kPaste);
}
void BM_UndoRedoSortRenumbered(benchmark::State& state) {
    undoRedo(state, kSort);
}
void BM_UndoRedoDelete1000(benchmark::State& state) {
    undoRedo(state, kDelete);
}

// 150 steps that each change every slot, with every row selected before and after and the
// number column out of order: the history keeps 100 of them.
void BM_WorstCaseMemory(benchmark::State& state) {
    for (auto _ : state) {
        ChannelTable table = *bench::fullTable();
        std::vector<int> order(kListCapacity), rows(kListCapacity);
        for (int slot = 0; slot < kSlots; ++slot) {
            order[static_cast<std::size_t>(slot)] = (slot + 1) % kSlots;
            rows[static_cast<std::size_t>(slot)] = slot;
        }
        const RowNumbers unsorted{true, std::vector<std::uint16_t>(kListCapacity, 1)};
        const std::size_t heapBefore = mallinfo2().uordblks;
        {
            ListHistory history;
            for (int n = 0; n < 150; ++n) {
                const ListSnapshot before(table.tv());
                rewriteInOrder(table.tv(), order);
                ListStep step(EditKind::Sort, ListKind::Tv, before, table.tv());
                step.viewBefore = step.viewAfter = {rows, unsorted};
                history.push(std::move(step));
            }
            state.counters["steps"] = static_cast<double>(history.count());
            state.counters["counted_MB"] = static_cast<double>(history.memoryBytes()) / 1e6;
            state.counters["heap_MB"] =
                static_cast<double>(mallinfo2().uordblks - heapBefore) / 1e6;
        }
    }
}

} // namespace

BENCHMARK(BM_RecordPaste1000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordSortRenumbered)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordDelete1000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoPaste1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoSortRenumbered)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoDelete1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorstCaseMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
