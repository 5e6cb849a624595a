// Reading and writing a full table: 1999 TV and 1999 Radio channels, long form, 31-character
// names.
#include "channels/channel_file.h"
#include "channels/channel_file_reader.h"
#include "channels/channel_file_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using namespace kanalo;

std::unique_ptr<ChannelTable> fullTable() {
    auto table = std::make_unique<ChannelTable>();
    unsigned i = 0;
    for (auto& r : table->slots()) {
        const bool radio = i >= kListCapacity;
        r.setFree(false);
        r.setVideoPid(radio ? 0 : 160 + i % 7000);
        r.setAudioPid(80 + i % 8000);
        r.setPcrPid(160 + i % 7000);
        r.setServiceId(28000 + i);
        r.setFrequency(10700 + i % 2050);
        r.setPolarisation(i % 2);
        r.setSymbolRate(27500);
        r.setFecCode(i % 6);
        r.setSatelliteIndex(i % 32);
        r.setInUserList(i % 3 == 0);
        r.setEpg(i % 3 == 0);
        r.setBouquetNumber(i % 100);
        char name[40];
        std::snprintf(name, sizeof name, "Channel %04u with a long name..", i);
        r.setName(name);
        r.setBouquetName("Bouquet with a 31-character nam");
        ++i;
    }
    return table;
}

void BM_ReadFullTable(benchmark::State& state) {
    const std::string text = writeChannelText(*fullTable(), FileForm::Long);
    auto table = std::make_unique<ChannelTable>();
    for (auto _ : state) {
        readChannelText(text, *table);
        benchmark::DoNotOptimize(table->slots().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadFullTable)->Unit(benchmark::kMillisecond);

void BM_WriteFullTable(benchmark::State& state) {
    const auto table = fullTable();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = writeChannelText(*table, FileForm::Long);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteFullTable)->Unit(benchmark::kMillisecond);

// Loading from and saving to disk, the save including its flush to stable storage.
std::filesystem::path benchFile(const char* name) {
    return std::filesystem::temp_directory_path() /
           (std::string("kanalo-bench-") + std::to_string(::getpid()) + "-" + name);
}

void BM_LoadFullFile(benchmark::State& state) {
    const auto path = benchFile("load.dat");
    writeChannelFile(path, *fullTable(), FileForm::Long);
    auto table = std::make_unique<ChannelTable>();
    for (auto _ : state)
        if (loadChannelFile(path, *table) != LoadStatus::Ok)
            state.SkipWithError("load failed");
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFullFile)->Unit(benchmark::kMillisecond);

void BM_SaveFullFile(benchmark::State& state) {
    const auto path = benchFile("save.dat");
    const auto table = fullTable();
    for (auto _ : state)
        if (saveChannelFile(path, *table, FileForm::Long) != SaveStatus::Ok)
            state.SkipWithError("save failed");
    std::filesystem::remove(path);
    std::filesystem::remove(backupPathFor(path));
}
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
