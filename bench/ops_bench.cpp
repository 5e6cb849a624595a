// Header sorts and update comparisons on full lists: 1999 TV channels spread over a few
// satellites and transponders, as a real list is.
#include "core/compare/update_comparison.h"
#include "core/listops/channel_order.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <random>

namespace {

using namespace kanalo;

void fillRealisticTv(ChannelList list, unsigned seed) {
    std::mt19937 random(seed);
    static const char* const kWords[] = {"Das Erste", "ZDF",    "arte",  "\x86Sport\x87",
                                         "News",      "Kinder", "Musik", "Film",
                                         "Doku",      "Shop",   "\xC4ra"};
    std::uniform_int_distribution<int> word(0, 10);
    std::uniform_int_distribution<int> satellite(0, 99);
    std::uniform_int_distribution<unsigned> transponder(0, 119);
    std::uniform_int_distribution<unsigned> pid(32, 8190);
    unsigned index = 0;
    for (ChannelRecord& r : list) {
        const int s = satellite(random);
        const unsigned t = transponder(random);
        r = ChannelRecord();
        r.setSatelliteIndex(s < 60 ? 0 : s < 85 ? 1 : s < 95 ? 2 : 31);
        r.setFrequency(10714 + t * 17);
        r.setPolarisation(t % 2);
        r.setSymbolRate(t % 3 == 0 ? 22000 : 27500);
        r.setFecCode(t % 3 == 0 ? 4 : 2);
        r.setVideoPid(pid(random));
        r.setAudioPid(pid(random));
        r.setPcrPid(r.videoPid());
        r.setServiceId(28000 + index);
        char name[48];
        std::snprintf(name, sizeof name, "%s %s %u", kWords[word(random)], kWords[word(random)],
                      index % 97);
        r.setName(name);
        ++index;
    }
}

struct Lists {
    ChannelTable main;
    ChannelTable update;
    Lists() {
        fillRealisticTv(main.tv(), 1);
        std::copy(main.tv().begin(), main.tv().end(), update.tv().begin());
        // About one channel in ten changed: moved transponder, renamed or new service id.
        std::mt19937 random(2);
        std::uniform_int_distribution<int> pick(0, 29);
        for (ChannelRecord& r : update.tv()) {
            switch (pick(random)) {
            case 0:
                r.setFrequency(r.frequency() + 5);
                break;
            case 1:
                r.setName("Renamed");
                break;
            case 2:
                r.setServiceId(r.serviceId() + 5000);
                break;
            default:
                break;
            }
        }
    }
};

void sortBy(benchmark::State& state, ColumnKind key) {
    auto lists = std::make_unique<Lists>();
    auto work = std::make_unique<ChannelTable>();
    const ConstChannelList original = std::as_const(lists->main).tv();
    for (auto _ : state) {
        // Each round sorts the unsorted list again; the copy is part of the figure.
        std::copy(original.begin(), original.end(), work->tv().begin());
        rewriteInOrder(work->tv(), sortedSlotOrder(work->tv(), ListKind::Tv, key));
        benchmark::DoNotOptimize(work->tv()[0]);
    }
}

void BM_SortByName(benchmark::State& state) {
    sortBy(state, ColumnKind::Name);
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

void BM_SortByFrequency(benchmark::State& state) {
    sortBy(state, ColumnKind::Frequency);
}
BENCHMARK(BM_SortByFrequency)->Unit(benchmark::kMillisecond);

void BM_MarkUpdateDifferences(benchmark::State& state) {
    const auto lists = std::make_unique<Lists>();
    std::size_t marked = 0;
    for (auto _ : state) {
        const auto rows = markUpdateDifferences(lists->main.tv(), lists->update.tv(), false);
        marked = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["marked"] = static_cast<double>(marked);
}
BENCHMARK(BM_MarkUpdateDifferences)->Unit(benchmark::kMillisecond);

void BM_DeletedFromUpdate(benchmark::State& state) {
    const auto lists = std::make_unique<Lists>();
    std::size_t deleted = 0;
    for (auto _ : state) {
        const auto flags = deletedFromUpdate(lists->main.tv(), lists->update.tv());
        deleted = static_cast<std::size_t>(std::count(flags.begin(), flags.end(), true));
        benchmark::DoNotOptimize(deleted);
    }
    state.counters["deleted"] = static_cast<double>(deleted);
}
BENCHMARK(BM_DeletedFromUpdate)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
