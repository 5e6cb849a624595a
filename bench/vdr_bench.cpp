// channels.conf import of a 10,000-line scan, and the VDR and CSV exports of a full list.
#include "bench/full_table.h"
#include "core/format/csv_export.h"
#include "core/listops/vdr_channels.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

using namespace kanalo;

// Lines as a scan writes them: a group line every 100 lines, several audio PIDs with Dolby,
// every tenth channel DVB-S2 and every fourth a Radio channel.
std::string scanText(int lines) {
    std::string text;
    char line[256];
    for (int i = 0; i < lines; ++i) {
        if (i % 100 == 0) {
            std::snprintf(line, sizeof line, ":@%d Gruppe %d\n", i + 1, i / 100);
        } else {
            const int video = i % 4 == 0 ? 0 : 100 + i % 8000;
            std::snprintf(line, sizeof line,
                          "Sender %05d mit langem Namen,Sender;Anbieter Süd %d:%d:%cC34M2S%d:"
                          "S19.2E:27500:%d=2:%d=deu@3,%d=eng@3;%d=deu@106:%d:0:%d:1:%d:0\n",
                          i, i % 50, 10700 + i % 2050, i % 2 ? 'V' : 'H', i % 10 == 0, video,
                          video + 1, video + 2, video + 3, video + 4, 28000 + i, 1000 + i % 90);
        }
        text += line;
    }
    return text;
}

void BM_ImportVdr10000Lines(benchmark::State& state) {
    const std::string text = scanText(10000);
    auto table = std::make_unique<ChannelTable>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(importVdrText(text, *table));
        benchmark::DoNotOptimize(table->slots().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ImportVdr10000Lines)->Unit(benchmark::kMillisecond);

void BM_ExportVdrFullList(benchmark::State& state) {
    // Every channel on a satellite with a position, so none is left out.
    const auto table = bench::fullTable();
    for (auto& record : table->slots())
        record.setSatelliteIndex(record.satelliteIndex() % 17);
    for (auto _ : state)
        benchmark::DoNotOptimize(writeVdrText(*table).text.data());
}
BENCHMARK(BM_ExportVdrFullList)->Unit(benchmark::kMillisecond);

void BM_ExportCsvFullList(benchmark::State& state) {
    const auto table = bench::fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeCsvText(*table).data());
}
BENCHMARK(BM_ExportCsvFullList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
