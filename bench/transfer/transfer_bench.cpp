// Whole-list transfers against boxsim: paced runs compare the elapsed time with the time the
// bytes need on a wire at that rate (plus the port's fixed 500 ms open pause); unpaced runs
// give lines per second.
#include "tests/tools/tool_process.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace kanalo::testing {
namespace {

constexpr int fullListLines = 3998;
constexpr double openPauseSeconds = 0.5;
constexpr double bitsPerByte = 10;

std::string fullList() {
    std::string list;
    char line[160];
    for (int i = 0; i < fullListLines; ++i) {
        bool radio = i >= 1999;
        std::snprintf(line, sizeof line,
                      "ASTRA 8192 %5d000 %c 27500   2 %5d %5d %5d %5d 1 \"Channel %04d\"\r\n",
                      10700 + i % 2000, i % 2 ? 'v' : 'h', 28000 + i, 255 + i % 100, 256 + i % 100,
                      radio ? 0 : 255 + i % 100, i);
        list += line;
    }
    return list;
}

// Bytes of the download in both directions: request, markers and every list line.
double downloadWireBytes(const std::string& list) {
    return 13.0 + 35 + static_cast<double>(list.size()) + 34;
}

// Bytes of the upload: request, start marker, every line with its sum, verdicts, end marker.
double uploadWireBytes(const std::string& list) {
    double lineBytes = static_cast<double>(list.size()) - fullListLines; // CR not sent
    return 12.0 + 36 + lineBytes + fullListLines * (9.0 + 15) + 34;
}

void report(benchmark::State& state, const ProcessResult& result, double wireBytes, int pacedBaud) {
    if (result.exitCode != 0)
        state.SkipWithError(("tool failed: " + result.err).c_str());
    state.SetIterationTime(result.seconds);
    state.counters["peak_rss_kb"] = static_cast<double>(result.peakRssKb);
    if (pacedBaud != 0) {
        double expected = wireBytes * bitsPerByte / pacedBaud + openPauseSeconds;
        state.counters["wire_s"] = expected;
        state.counters["ratio"] = result.seconds / expected;
    } else {
        state.counters["lines_per_s"] = fullListLines / (result.seconds - openPauseSeconds);
    }
}

std::vector<std::string> paceArguments(int baud) {
    if (baud == 0)
        return {};
    return {"--pace", std::to_string(baud)};
}

void downloadFullList(benchmark::State& state) {
    int baud = static_cast<int>(state.range(0));
    ScratchDir dir;
    std::string list = fullList();
    dir.write("list.dat", list);
    for (auto _ : state) {
        std::vector<std::string> box{"--list", dir.path("list.dat").string()};
        for (const std::string& argument : paceArguments(baud))
            box.push_back(argument);
        RunningBox receiver(dir, box);
        ProcessResult result =
            runProgram(LISTFETCH_BINARY, {"-p", "7", "-f", dir.path("out.dat").string()},
                       {receiver.portVariable()}, 300);
        report(state, result, downloadWireBytes(list), baud);
    }
}

void uploadFullList(benchmark::State& state) {
    int baud = static_cast<int>(state.range(0));
    ScratchDir dir;
    std::string list = fullList();
    dir.write("up.dat", list);
    for (auto _ : state) {
        RunningBox receiver(dir, paceArguments(baud));
        ProcessResult result =
            runProgram(LISTSEND_BINARY, {"-p", "7", "-f", dir.path("up.dat").string()},
                       {receiver.portVariable()}, 300);
        report(state, result, uploadWireBytes(list), baud);
    }
}

BENCHMARK(downloadFullList)
    ->Arg(115200)
    ->Arg(57600)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(uploadFullList)
    ->Arg(115200)
    ->Arg(57600)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace kanalo::testing

BENCHMARK_MAIN();
