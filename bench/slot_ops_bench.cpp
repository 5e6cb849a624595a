// Delete with compaction and both pastes on a full 1999-slot list, 1000 channels at a time. The
// list is rebuilt before every iteration outside the timing, so each run starts full.
#include "core/listops/slot_operations.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using namespace kanalo;

constexpr int kSlots = static_cast<int>(kListCapacity);
constexpr int kBatch = 1000;

void fillFull(ChannelList list) {
    unsigned index = 0;
    for (ChannelRecord& record : list) {
        record = ChannelRecord();
        record.setVideoPid(100 + index % 7000);
        record.setServiceId(index);
        record.setName("Channel name of thirty-one char");
        ++index;
    }
}

void deleteSelection(benchmark::State& state, const std::vector<int>& selection) {
    ChannelTable table;
    for (auto _ : state) {
        state.PauseTiming();
        fillFull(table.tv());
        state.ResumeTiming();
        deleteWithCompaction(table.tv(), selection);
        benchmark::DoNotOptimize(table.tv()[0]);
    }
}

void BM_DeleteEveryOtherRow(benchmark::State& state) {
    std::vector<int> selection;
    for (int slot = 0; selection.size() < kBatch; slot += 2)
        selection.push_back(slot);
    deleteSelection(state, selection);
}

void BM_DeleteContiguousBlock(benchmark::State& state) {
    std::vector<int> selection;
    for (int slot = 10; slot < 10 + kBatch; ++slot)
        selection.push_back(slot);
    deleteSelection(state, selection);
}

// A full list with the last 1000 slots free and the paste right below row 10.
template <typename Paste> void pasteBatch(benchmark::State& state, Paste paste) {
    ChannelTable table;
    std::vector<ChannelRecord> records(kBatch);
    for (int i = 0; i < kBatch; ++i)
        records[static_cast<std::size_t>(i)].setServiceId(static_cast<unsigned>(50000 + i));
    for (auto _ : state) {
        state.PauseTiming();
        fillFull(table.tv());
        for (int slot = kSlots - kBatch; slot < kSlots; ++slot)
            table.tv()[static_cast<std::size_t>(slot)].setFree(true);
        state.ResumeTiming();
        if (paste(table.tv(), records) != PasteOutcome::Done)
            state.SkipWithError("paste refused");
        benchmark::DoNotOptimize(table.tv()[0]);
    }
}

void BM_PasteInsert(benchmark::State& state) {
    pasteBatch(state, [](ChannelList list, const std::vector<ChannelRecord>& records) {
        return pasteInsert(list, 11, records);
    });
}

void BM_PasteDirect(benchmark::State& state) {
    pasteBatch(state, [](ChannelList list, const std::vector<ChannelRecord>& records) {
        return pasteDirect(list, kSlots - kBatch, records);
    });
}

BENCHMARK(BM_DeleteEveryOtherRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteContiguousBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteInsert)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteDirect)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
