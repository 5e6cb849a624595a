// Reading and writing a full table: 1999 TV and 1999 Radio channels, long form, 31-character
// names.
#include "bench/full_table.h"
#include "core/channels/channel_file.h"
#include "core/channels/channel_file_reader.h"
#include "core/channels/channel_file_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using namespace kanalo;

using bench::fullTable;

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
