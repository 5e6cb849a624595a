// Apply Order on a full table against a full reference: 1999 + 1999 channels, all names
// distinct, half of them matching by identity, a quarter by name only and a quarter not at all.
#include "bench/full_table.h"
#include "core/channels/channel_file_writer.h"
#include "core/listops/apply_order.h"
#include "core/listops/order_reference_reader.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cctype>
#include <random>

namespace {

using namespace kanalo;

constexpr unsigned kNotInTheList = 60000;

// The reference as a new scan gives it: its own order, the channels moved in the scan with a
// new service ID and their names in other case and blanks, the rest of it new channels.
std::unique_ptr<ChannelTable> rescan(const ChannelTable& table) {
    auto scan = std::make_unique<ChannelTable>(table);
    std::mt19937 random(25);
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ChannelList list = scan->list(kind);
        for (std::size_t slot = 0; slot < kListCapacity; ++slot) {
            ChannelRecord& record = list[slot];
            if (slot % 4 == 2) {
                std::string name(record.name());
                std::transform(name.begin(), name.end(), name.begin(),
                               [](unsigned char c) { return std::toupper(c); });
                name[name.find(' ')] = '\t';
                record.setName(name);
                record.setServiceId(kNotInTheList + slot % 4000);
            } else if (slot % 4 == 3) {
                record.setName("New " + std::to_string(slot) + (kind == ListKind::Tv ? "T" : "R"));
                record.setServiceId(kNotInTheList + 4000 + slot);
            }
        }
        std::shuffle(list.begin(), list.end(), random);
    }
    return scan;
}

void BM_ApplyOrderFullTable(benchmark::State& state) {
    const auto table = bench::fullTable();
    const auto reference =
        readOrderReferenceText(writeChannelText(*rescan(*table), FileForm::Long));
    auto work = std::make_unique<ChannelTable>(*table);
    ApplyOrderSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        *work = *table;
        state.ResumeTiming();
        summary = applyReferenceOrder(*work, *reference, OrderedLists::Both,
                                      UnmatchedChannels::PlaceAfter);
        benchmark::DoNotOptimize(work->slots().data());
    }
    if (summary.tv->matched != 1500 || summary.radio->matched != 1500)
        state.SkipWithError(applyOrderSummaryText(summary).c_str());
}
BENCHMARK(BM_ApplyOrderFullTable)->Unit(benchmark::kMillisecond);

// Reading the reference from the text of a full list file, as the command does before.
void BM_ReadOrderReferenceFullList(benchmark::State& state) {
    const std::string text = writeChannelText(*rescan(*bench::fullTable()), FileForm::Long);
    for (auto _ : state)
        benchmark::DoNotOptimize(readOrderReferenceText(text));
}
BENCHMARK(BM_ReadOrderReferenceFullList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
