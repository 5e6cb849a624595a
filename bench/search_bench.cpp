// Find Duplicates and Find next on a full list: 1999 TV channels over a few satellites and
// transponders, one channel in twenty stored twice, as lists grown by scans often are.
#include "core/listops/duplicates.h"
#include "core/listops/search.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace {

using namespace kanalo;

void fillFullTv(ChannelList list, unsigned seed) {
    std::mt19937 random(seed);
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
        r.setSymbolRate(27500);
        r.setFecCode(2);
        r.setVideoPid(pid(random));
        r.setAudioPid(pid(random));
        r.setPcrPid(r.videoPid());
        r.setServiceId(28000 + index);
        char name[32];
        std::snprintf(name, sizeof name, "Sender %u", index);
        r.setName(name);
        ++index;
    }
    std::uniform_int_distribution<std::size_t> anySlot(0, list.size() - 1);
    for (std::size_t slot = 0; slot < list.size(); slot += 20)
        list[anySlot(random)] = list[slot]; // a second copy somewhere else
}

// What the dialog does when it opens: the groups and the text of every line.
std::size_t duplicateLines(ConstChannelList list) {
    std::size_t bytes = 0;
    for (const DuplicateLine& line : findDuplicates(list, ListKind::Tv))
        bytes += duplicateLineText(list[static_cast<std::size_t>(line.slot)], line.slot,
                                   ListKind::Tv, line.head)
                     .size();
    return bytes;
}

void BM_FindDuplicatesFullList(benchmark::State& state) {
    auto table = std::make_unique<ChannelTable>();
    fillFullTv(table->tv(), 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(duplicateLines(table->tv()));
}
BENCHMARK(BM_FindDuplicatesFullList)->Unit(benchmark::kMillisecond);

// The worst case: every channel the same, so the dialog would get about two million lines.
void BM_FindDuplicatesAllEqual(benchmark::State& state) {
    auto table = std::make_unique<ChannelTable>();
    fillFullTv(table->tv(), 7);
    for (ChannelRecord& r : table->tv())
        r = table->tv()[0];
    for (auto _ : state)
        benchmark::DoNotOptimize(findDuplicates(table->tv(), ListKind::Tv).size());
}
BENCHMARK(BM_FindDuplicatesAllEqual)->Unit(benchmark::kMillisecond);

// A name search that fails: two passes over the list with case folding.
void BM_FindNextMiss(benchmark::State& state) {
    auto table = std::make_unique<ChannelTable>();
    fillFullTv(table->tv(), 7);
    SearchState search = startNameSearch("nirgends", false);
    search.position = 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(findNext(table->tv(), search).match);
}
BENCHMARK(BM_FindNextMiss)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
