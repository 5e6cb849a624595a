// listfetch1, listsend1 and listsend2 against boxsim: command line, request words, stored
// lines, accept words, resends, the receiver giving up and a receiver that stays silent.
#include "tests/tools/tool_process.h"
#include "tools/legacy/legacy_serial.h"

#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace kanalo::testing {
namespace {

const std::string fetchRequest = "   x                   listfetchrams";
const std::string sendRequest = "  x                    listsendrams";
const std::string endOfList = "  ### stop dumping program list ###\n";

const std::string sampleList =
    "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"One\"\r\n"
    "ASTRA 8192 12188000 v 27500   3 28007   255   256   255 1 \"Two\"\r\n";
const std::string sampleStored =
    "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"One\"\n"
    "ASTRA 8192 12188000 v 27500   3 28007   255   256   255 1 \"Two\"\n";

// Port 3 is the receiver in `dir` unless a test says otherwise.
std::string comVariable(unsigned port, const std::filesystem::path& device) {
    return "KANALO_COM" + std::to_string(port) + "=" + device.string();
}

std::string counts(unsigned total, unsigned added, unsigned failed) {
    return "Total:\t" + std::to_string(total) + "\nAdded:\t" + std::to_string(added) +
           "\nFailed:\t" + std::to_string(failed) + "\n";
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A download of `list` from a boxsim with `boxArguments` into dir/"out.dat".
struct Download {
    ScratchDir dir;
    ProcessResult result;
    std::string received;

    Download(const std::string& list, std::vector<std::string> boxArguments,
             std::vector<std::string> toolArguments = {}) {
        dir.write("list.dat", list);
        boxArguments.insert(boxArguments.begin(), {"--list", dir.path("list.dat").string()});
        RunningBox box(dir, boxArguments);
        toolArguments.insert(toolArguments.begin(), {"-p", "3"});
        toolArguments.push_back(dir.path("out.dat").string());
        result =
            runProgram(LISTFETCH1_BINARY, toolArguments, {comVariable(3, dir.path("box"))}, 30);
        received = box.received(result.exitCode == 0 ? 5 : 0.2);
    }
    std::string stored() const { return dir.read("out.dat"); }
};

// An upload of `file` by `tool` to a boxsim with `boxArguments`.
struct Upload {
    ScratchDir dir;
    ProcessResult result;
    std::string received;

    Upload(const char* tool, const std::string& file, std::vector<std::string> boxArguments,
           std::vector<std::string> toolArguments = {}) {
        dir.write("up.dat", file);
        boxArguments.insert(boxArguments.begin(), {"--store", dir.path("store.dat").string()});
        RunningBox box(dir, boxArguments);
        toolArguments.insert(toolArguments.begin(), {"-p", "3"});
        toolArguments.push_back(dir.path("up.dat").string());
        result = runProgram(tool, toolArguments, {comVariable(3, dir.path("box"))}, 30);
        received = box.received(result.exitCode == 0 ? 5 : 0.2);
    }
    std::string stored() const { return dir.read("store.dat"); }
};

TEST(LegacyToolsCommandLine, RefusalsPrintTheirTextAndNoUsage) {
    for (const char* tool : {LISTFETCH1_BINARY, LISTSEND1_BINARY, LISTSEND2_BINARY}) {
        struct Case {
            std::vector<std::string> arguments;
            std::string error;
        };
        for (const Case& c : std::vector<Case>{
                 {{"-p", "5", "x.dat"}, "5is an invalid port number.\n"},
                 {{"-p"}, "0is an invalid port number.\n"},
                 {{"-f", "-b", "57600", "x.dat"}, "-b is an invalid option.\n"},
             }) {
            ProcessResult result = runProgram(tool, c.arguments, {});
            EXPECT_EQ(result.exitCode, 1) << tool;
            EXPECT_EQ(result.err, c.error) << tool;
            EXPECT_EQ(result.out, "") << tool;
        }
    }
}

TEST(LegacyToolsCommandLine, OnlyTheSecondUploadTakesMinusS) {
    for (const char* tool : {LISTFETCH1_BINARY, LISTSEND1_BINARY}) {
        ProcessResult result = runProgram(tool, {"-s", "x.dat"}, {});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "-s is an invalid option.\n") << tool;
    }
    // -s is 38400 baud, overriding an earlier -f: a receiver listening at 38400 hears it.
    Upload run(LISTSEND2_BINARY, "one\n", {"--baud", "38400"}, {"-f", "-s"});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.result.out, counts(1, 1, 0));
}

TEST(LegacyToolsPort, MissingDeviceAndUnwritableFileEndTheRunEarly) {
    ScratchDir dir;
    for (const char* tool : {LISTFETCH1_BINARY, LISTSEND1_BINARY}) {
        ProcessResult result = runProgram(tool, {"-p", "2"}, {comVariable(2, dir.path("none"))});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err.rfind("Inititialization of COM-port failed (Error: 2)\n", 0), 0u)
            << result.err;
        EXPECT_NE(result.err.find("KANALO_COM2"), std::string::npos);
    }
    // A named file that cannot be used is refused before the receiver is asked.
    RunningBox box(dir, {});
    std::string port = comVariable(1, dir.path("box"));
    ProcessResult fetch =
        runProgram(LISTFETCH1_BINARY, {dir.path("missing/out.dat").string()}, {port});
    EXPECT_EQ(fetch.exitCode, 1);
    EXPECT_EQ(fetch.err, "Error: unable to open file.\n");
    ProcessResult send = runProgram(LISTSEND2_BINARY, {dir.path("missing.dat").string()}, {port});
    EXPECT_EQ(send.exitCode, 1);
    EXPECT_EQ(send.err, "Error: unable to open file.\n");
    EXPECT_EQ(box.received(0), "");
}

TEST(LegacyToolsPort, AStalledRequestCannotConnect) {
    ScratchDir dir;
    dir.write("up.dat", "one\n");
    RunningBox box(dir, {"--silent"});
    // Holds the tool's output back as a receiver without CTS would.
    int probe = ::open(dir.path("box").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(probe, 0);
    ASSERT_EQ(::tcflow(probe, TCOOFF), 0);
    ProcessResult result = runProgram(LISTSEND1_BINARY, {"-p", "4", dir.path("up.dat").string()},
                                      {comVariable(4, dir.path("box"))});
    ::close(probe);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Cannot connect Rondel1 over COM-port 4.\n");
    EXPECT_GE(result.seconds, 1.0);
}

TEST(LegacyDownload, StoresEveryLineButMarkerLinesAndStopsAtTheStopMarker) {
    // The receiver's own list carries the start marker after a first line.
    std::string list = "before\r\n"
                       "### start dumping program list ###\r\n"
                       "A\tB\x01"
                       "C\xe4\r\n"
                       "xx### start dumping program list ###yy\r\n"
                       "\r\n" +
                       sampleList +
                       "text ### stop dumping program list ### more\r\n"
                       "never\r\n";
    Download run(list, {"--no-start-marker"});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.stored(), "before\nABC\xe4\n\n" + sampleStored);
    EXPECT_EQ(run.received, fetchRequest);
    EXPECT_EQ(run.result.out, "");
    EXPECT_EQ(run.result.err, "");
}

TEST(LegacyDownload, PortOneAtTheFastRateIntoStandardOutput) {
    ScratchDir dir;
    dir.write("list.dat", sampleList);
    RunningBox box(dir, {"--list", dir.path("list.dat").string(), "--baud", "115200"});
    ProcessResult result = runProgram(LISTFETCH1_BINARY, {"-f"}, {comVariable(1, dir.path("box"))});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, sampleStored);
}

TEST(LegacyDownload, LongLinesArriveInPiecesOfTheBuffer) {
    constexpr std::size_t piece = 2047;
    Download longer(sampleList, {"--long-line", "4100"});
    EXPECT_EQ(longer.result.exitCode, 0);
    EXPECT_EQ(longer.stored(), std::string(piece, 'L') + "\n" + std::string(piece, 'L') + "\n" +
                                   std::string(4100 - 2 * piece, 'L') + "\n" + sampleStored);
}

TEST(LegacyDownload, AHangUpInMidListIsAReadError) {
    Download run(sampleList, {"--hangup-after", "1"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(run.result.err, "ReadLine error: 5\n");
    EXPECT_EQ(run.stored(), sampleStored.substr(0, sampleStored.find('\n') + 1));
}

TEST(LegacyUpload, SendsLinesAsReadSkippingBlankOnes) {
    std::string file = "one\r\n\r\n \t \r\n\ttwo x\r\n\n" + std::string("three\n") + "cut short";
    Upload run(LISTSEND1_BINARY, file, {"--legacy-accept", "Added!"});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.result.out, counts(3, 3, 0));
    EXPECT_EQ(run.result.err, "");
    EXPECT_EQ(run.received, sendRequest + "one\n\ttwo x\nthree\n" + endOfList);
    EXPECT_EQ(run.stored(), "one\n\ttwo x\nthree\n");
}

TEST(LegacyUpload, EachBuildWaitsForItsOwnAcceptWord) {
    const std::string file = "one\ntwo\n";
    struct Case {
        const char* tool;
        const char* boxWord;
        bool accepted;
    };
    for (const Case& c :
         {Case{LISTSEND1_BINARY, "Added!", true}, Case{LISTSEND1_BINARY, "added!", false},
          Case{LISTSEND2_BINARY, "added!", true}, Case{LISTSEND2_BINARY, "Added!", false}}) {
        Upload run(c.tool, file, {"--legacy-accept", c.boxWord});
        EXPECT_EQ(run.result.exitCode, 0) << c.tool << " " << c.boxWord;
        // Without its accept word a line goes out four times, then counts as failed.
        EXPECT_EQ(run.result.out, c.accepted ? counts(2, 2, 0) : counts(2, 0, 2)) << c.tool;
        EXPECT_EQ(occurrences(run.received, "one\n"), c.accepted ? 1u : 4u) << c.tool;
        EXPECT_EQ(occurrences(run.received, "two\n"), c.accepted ? 1u : 4u) << c.tool;
        EXPECT_TRUE(run.received.ends_with(endOfList));
    }
}

TEST(LegacyUpload, RejectedLinesAreSentAgainUpToFourTimes) {
    Upload accepted(LISTSEND2_BINARY, "one\ntwo\n", {"--reject", "3"});
    EXPECT_EQ(accepted.result.out, counts(2, 2, 0));
    EXPECT_EQ(occurrences(accepted.received, "one\n"), 4u);
    EXPECT_EQ(accepted.stored(), "one\ntwo\n");

    Upload rejected(LISTSEND2_BINARY, "one\ntwo\nthree\n", {"--reject-all"});
    EXPECT_EQ(rejected.result.exitCode, 0);
    EXPECT_EQ(rejected.result.out, counts(3, 0, 3));
    EXPECT_EQ(occurrences(rejected.received, "three\n"), 4u);
    // The second build gives the receiver 20 ms after each of the twelve sends; 300 ms to open.
    EXPECT_GE(rejected.result.seconds, 0.3 + 12 * 0.02);
}

TEST(LegacyUpload, TheReceiverGivingUpEndsTheRun) {
    Upload run(LISTSEND2_BINARY, "one\ntwo\nthree\n", {"--timed-out-after", "1"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(run.result.err, "Timed out!\n");
    EXPECT_EQ(run.result.out, "");
    EXPECT_EQ(run.received, sendRequest + "one\ntwo\n");
}

TEST(LegacyUpload, ReadsStandardInputWithoutAFileName) {
    ScratchDir dir;
    dir.write("up.dat", "one\n\ntwo\n");
    RunningBox box(dir, {"--legacy-accept", "Added!", "--baud", "115200"});
    ProcessResult result = runProgram(
        "/bin/sh",
        {"-c", "exec \"$0\" -f -p 2 < \"$1\"", LISTSEND1_BINARY, dir.path("up.dat").string()},
        {comVariable(2, dir.path("box"))});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, counts(2, 2, 0));
    EXPECT_EQ(box.received(), sendRequest + "one\ntwo\n" + endOfList);
}

double childCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// At full length, once: both tools give up on a receiver that never answers.
TEST(LegacySilentReceiver, EndsTheRunAfterTwentySecondsWithoutAByte) {
    constexpr double limitSeconds = legacy::readLineLimitMs / 1000.0;
    ScratchDir fetchDir;
    ScratchDir sendDir;
    sendDir.write("up.dat", "one\n");
    RunningBox fetchBox(fetchDir, {"--silent"});
    RunningBox sendBox(sendDir, {"--silent"});
    double cpuBefore = childCpuSeconds();
    auto fetch = std::async(std::launch::async, [&] {
        return runProgram(LISTFETCH1_BINARY, {"-p", "3"}, {comVariable(3, fetchDir.path("box"))},
                          40);
    });
    ProcessResult send = runProgram(LISTSEND1_BINARY, {"-p", "3", sendDir.path("up.dat").string()},
                                    {comVariable(3, sendDir.path("box"))}, 40);
    ProcessResult fetched = fetch.get();
    double cpuUsed = childCpuSeconds() - cpuBefore;
    for (const ProcessResult* result : {&fetched, &send}) {
        EXPECT_EQ(result->exitCode, 1);
        // The tools' own time-out code, 0x20000001.
        EXPECT_EQ(result->err, "ReadLine error: 536870913\n");
        EXPECT_EQ(result->out, "");
        EXPECT_GE(result->seconds, limitSeconds);
        EXPECT_LT(result->seconds, limitSeconds + 5);
    }
    // Waiting sleeps: forty seconds of tool time cost next to no processor time.
    EXPECT_LT(cpuUsed, 1.0);
    EXPECT_EQ(fetchBox.received(0), fetchRequest);
    EXPECT_EQ(sendBox.received(0), sendRequest);
}

} // namespace
} // namespace kanalo::testing
