// listfetch3 against boxsim: command line, handshake, received lines and failures.
#include "tests/tools/tool_process.h"

#include <gtest/gtest.h>

namespace kanalo::testing {
namespace {

const std::string sampleList =
    "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"One\"\r\n"
    "ASTRA 8192 12188000 v 27500   3 28007   255   256   255 1 \"Two\"\r\n"
    "ASTRA 8192 10744000 h 22000   5 28008     0   257     0 0 \"Radio\"\r\n";
const std::string sampleStored =
    "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"One\"\n"
    "ASTRA 8192 12188000 v 27500   3 28007   255   256   255 1 \"Two\"\n"
    "ASTRA 8192 10744000 h 22000   5 28008     0   257     0 0 \"Radio\"\n";

const char* const usageText =
    "listfetch3 V1.1 10/2000\n"
    "downloads program list from satellite receiver via serial port.\n"
    "Usage:  listfetch.exe [-p port] [-b baudrate] [-c] [-f] [-s] filename\n"
    "           -p port      serial port; 1=COM1,2=COM2,... (default COM1)\n"
    "           -b baudrate  baudrate for serial port (default 38400)\n"
    "           -f           forces to use 115200 baud (overrides option '-b')\n"
    "           -s           forces to use 38400 baud (overrides option '-b')\n"
    "           -x           try to set receiver' baudrate,s too. It is usable\n"
    "                        for Win95/Win98 First Release with lower baudrates\n"
    "                        (only supported by newer revisions)\n"
    "           -i           ignores start response string\n"
    "                        (no warranty for correct data)\n"
    "           filename     file where to store program list\n";

ProcessResult fetch(const std::vector<std::string>& arguments,
                    const std::vector<std::string>& environment = {}, double limit = 30) {
    return runProgram(LISTFETCH_BINARY, arguments, environment, limit);
}

// Runs a download of `list` from a boxsim with `boxArguments`; the file is dir/"out.dat".
struct Download {
    ScratchDir dir;
    ProcessResult result;
    std::string received;

    Download(const std::string& list, std::vector<std::string> boxArguments,
             std::vector<std::string> toolArguments) {
        dir.write("list.dat", list);
        boxArguments.insert(boxArguments.begin(), {"--list", dir.path("list.dat").string()});
        RunningBox box(dir, boxArguments);
        toolArguments.insert(toolArguments.begin(), {"-p", "7"});
        toolArguments.push_back(dir.path("out.dat").string());
        result = fetch(toolArguments, {box.portVariable()});
        received = box.received(result.exitCode == 0 ? 5 : 0.2);
    }
    std::string stored() const { return dir.read("out.dat"); }
};

TEST(ListfetchCommandLine, WithoutArgumentsOrWithBadOptionsShowsUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{},
                                                                       {"-xi", "out.dat"},
                                                                       {"-t", "out.dat"},
                                                                       {"-c", "out.dat"},
                                                                       {"-p"},
                                                                       {"-x", "-p"},
                                                                       {"--", "out.dat"},
                                                                       {"-P", "1", "out.dat"}}) {
        ProcessResult result = fetch(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, usageText) << arguments.size();
    }
}

TEST(ListfetchCommandLine, RefusesBadPortAndRateValues) {
    for (const char* port : {"0", "abc", "-1", "3x", "99999999999"}) {
        ProcessResult result = fetch({"-p", port, "x.dat"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "invalid port\n") << port;
    }
    for (const char* rate : {"0", "fast"}) {
        ProcessResult result = fetch({"-b", rate, "x.dat"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "invalid baudrate\n") << rate;
    }
}

TEST(ListfetchCommandLine, NeedsAWritableFile) {
    ScratchDir dir;
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"-p", "7"}, {dir.path("missing/out.dat").string()}, {dir.path("").string()}}) {
        ProcessResult result = fetch(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "Error: unable to open file.\n");
    }
}

TEST(ListfetchPort, MissingDeviceReportsTheSystemCodeInHex) {
    ScratchDir dir;
    ProcessResult result =
        fetch({"-p", "7", dir.path("out.dat").string()}, {portVariableFor(dir.path("none"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Inititialization of COM-port failed (Error: 0x2)\n", 0), 0u)
        << result.err;
    EXPECT_NE(result.err.find("KANALO_COM7"), std::string::npos);
}

TEST(ListfetchPort, UnsupportedRateFailsTheOpenClearly) {
    ScratchDir dir;
    RunningBox box(dir, {});
    ProcessResult result =
        fetch({"-p", "7", "-b", "12345", dir.path("out.dat").string()}, {box.portVariable()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Inititialization of COM-port failed (Error: 0x16)\n"),
              std::string::npos);
    EXPECT_NE(result.err.find("12345 is not supported"), std::string::npos);
    EXPECT_EQ(box.received(0), "");
}

TEST(ListfetchPort, ASecondToolOnABusyPortIsRefused) {
    ScratchDir dir;
    RunningBox box(dir, {"--silent"});
    std::string port = box.portVariable();
    ProcessResult first;
    std::thread holder([&] {
        first = fetch({"-p", "7", "-i", dir.path("a.dat").string()}, {port});
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    ProcessResult second = fetch({"-p", "7", dir.path("b.dat").string()}, {port});
    holder.join();
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("Inititialization of COM-port failed (Error: 0x10)\n"),
              std::string::npos)
        << second.err;
    EXPECT_NE(second.err.find("busy"), std::string::npos);
    EXPECT_EQ(first.exitCode, 1); // silent receiver: the list never comes
}

TEST(ListfetchTransfer, StoresEveryLineWithoutCarriageReturns) {
    Download run(sampleList, {}, {});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.stored(), sampleStored);
    EXPECT_EQ(run.result.out, "connecting...\rreceiver connected, baudrate: 38400\n"
                              "[001]\r[002]\r[003]\r");
    EXPECT_EQ(run.received, "listfetchrams");
}

TEST(ListfetchTransfer, RateOptionsTakePrecedenceAsDocumented) {
    struct Case {
        std::vector<std::string> arguments;
        const char* shown;
    };
    for (const Case& c : std::vector<Case>{{{"-f", "-b", "57600"}, "baudrate: 115200\n"},
                                           {{"-b", "57600", "-f"}, "baudrate: 115200\n"},
                                           {{"-s", "-b", "57600"}, "baudrate: 38400\n"},
                                           {{"-b", "57600"}, "baudrate: 57600\n"}}) {
        Download run("one\n", {}, c.arguments);
        EXPECT_EQ(run.result.exitCode, 0);
        EXPECT_NE(run.result.out.find(c.shown), std::string::npos) << run.result.out;
    }
}

TEST(ListfetchTransfer, ArgumentsAfterTheFileNameAreIgnored) {
    ScratchDir dir;
    dir.write("list.dat", "one\n");
    RunningBox box(dir, {"--list", dir.path("list.dat").string()});
    ProcessResult result =
        fetch({"-p", "7", dir.path("out.dat").string(), "-p", "0", "-q"}, {box.portVariable()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(dir.read("out.dat"), "one\n");
}

TEST(ListfetchTransfer, TabsAreDroppedAndStopMarkerInsideALineEnds) {
    Download run("a\tb\t\tc\r\nsecond\nxyz ### stop dumping program list ### tail\nnever\n", {},
                 {});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.stored(), "abc\nsecond\n");
}

TEST(ListfetchTransfer, EmptyListGivesEmptyFile) {
    Download run("", {}, {});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.stored(), "");
}

TEST(ListfetchTransfer, OverlongLineArrivesIn2047CharacterPieces) {
    Download run("short\n", {"--long-line", "5000"}, {});
    EXPECT_EQ(run.result.exitCode, 0);
    std::string expected = std::string(2047, 'L') + "\n" + std::string(2047, 'L') + "\n" +
                           std::string(906, 'L') + "\nshort\n";
    EXPECT_EQ(run.stored(), expected);
}

TEST(ListfetchTransfer, ProgressCountsPastThreeDigits) {
    std::string list;
    for (int i = 0; i < 1000; ++i)
        list += "line " + std::to_string(i) + "\n";
    Download run(list, {}, {"-f"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.stored(), list);
    EXPECT_NE(run.result.out.find("[001]\r[002]\r"), std::string::npos);
    EXPECT_NE(run.result.out.find("[999]\r[1000]\r"), std::string::npos);
}

TEST(ListfetchTransfer, ListOptionAndRateSwitchSendTheirWords) {
    Download run(sampleList, {}, {"-l", "-x", "-b", "57600"});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.stored(), sampleStored);
    EXPECT_EQ(run.received, "baudrate57600\nlistfetchlistbaudratereset");
    EXPECT_NE(run.result.out.find("receiver connected, baudrate: 57600\n"), std::string::npos);
}

TEST(ListfetchHandshake, WrongBaudAnswerDoesNotStopTheTool) {
    Download run("one\n", {"--baud-answer", "NOPE"}, {"-x", "-b", "57600"});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.stored(), "one\n");
}

TEST(ListfetchHandshake, ReceiverThatIgnoresBaudCommandIsAskedAgainAtTheOldRate) {
    Download run("one\n", {"--baud", "115200", "--ignore-baud"}, {"-x", "-b", "57600"});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.stored(), "one\n");
    EXPECT_EQ(run.result.out, "connecting...\rreceiver connected, baudrate: 57600\n[001]\r");
    EXPECT_EQ(run.received, "baudrate57600\nlistfetchramslistfetchramsbaudratereset");
}

TEST(ListfetchHandshake, RateMismatchWithoutSwitchFails) {
    Download run("one\n", {"--baud", "115200"}, {"-b", "57600"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(run.result.err, "\rCan't connect to receiver (invalid response or timeout).\n");
    EXPECT_EQ(run.stored(), "");
}

TEST(ListfetchHandshake, MissingStartMarkerFailsUnlessIgnored) {
    Download strict("first\nsecond\n", {"--no-start-marker"}, {});
    EXPECT_EQ(strict.result.exitCode, 1);
    EXPECT_EQ(strict.result.err, "\rCan't connect to receiver (invalid response or timeout).\n");

    // With -i the answer line is dropped: here it is the first list line.
    Download lenient("first\nsecond\n", {"--no-start-marker"}, {"-i"});
    EXPECT_EQ(lenient.result.exitCode, 0);
    EXPECT_EQ(lenient.stored(), "second\n");
    EXPECT_NE(lenient.result.out.find("receiver connected, baudrate: 38400, ignore response\n"),
              std::string::npos);
}

TEST(ListfetchHandshake, GoodAnswerWithIgnoreOptionStillSaysIgnore) {
    Download run("one\n", {}, {"-i"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.stored(), "one\n");
    EXPECT_NE(run.result.out.find(", ignore response\n"), std::string::npos);
}

TEST(ListfetchSilence, SilentReceiverWithIgnoreGoesOnThenTimesOut) {
    Download run("one\n", {"--silent"}, {"-i"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_NE(run.result.out.find("receiver connected, baudrate: 38400, ignore response\n"),
              std::string::npos);
    EXPECT_EQ(run.result.err, "timeout or read error: 0x6e\n");
    EXPECT_GE(run.result.seconds, 0.5 + 3 + 3 - 0.1);
    EXPECT_LT(run.result.seconds, 0.5 + 3 + 3 + 2);
}

TEST(ListfetchSilence, SilentReceiverWithRateSwitchGivesUpAfterBothTries) {
    Download run("one\n", {"--silent"}, {"-x", "-b", "57600"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(run.result.err, "\rCan't connect to receiver (invalid response or timeout).\n");
    // Acknowledgement, answer at the new rate, answer at the old rate: three 3 s waits.
    EXPECT_GE(run.result.seconds, 0.5 + 9 - 0.1);
    EXPECT_LT(run.result.seconds, 0.5 + 9 + 2);
}

TEST(ListfetchSilence, SilenceInMidListKeepsWhatCame) {
    Download run("a\nb\nc\nd\ne\n", {"--stop-after", "3"}, {});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(run.result.err, "timeout or read error: 0x6e\n");
    EXPECT_EQ(run.stored(), "a\nb\nc\n");
    EXPECT_GE(run.result.seconds, 0.5 + 3 - 0.1);
    EXPECT_LT(run.result.seconds, 0.5 + 3 + 2);
}

TEST(ListfetchFaults, HangUpInMidListEndsWithErrorAndKeepsLines) {
    Download run("a\nb\nc\nd\n", {"--hangup-after", "2"}, {});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(run.result.err.rfind("timeout or read error: 0x", 0), 0u);
    EXPECT_EQ(run.stored(), "a\nb\n");
    EXPECT_LT(run.result.seconds, 2);
}

TEST(ListfetchFaults, NoiseBetweenLinesIsStoredButLosesNoListLine) {
    Download run("a\nb\nc\n", {"--garbage"}, {});
    EXPECT_EQ(run.result.exitCode, 0);
    std::string stored = run.stored();
    std::size_t a = stored.find("a\n");
    std::size_t b = stored.find("\nb\n");
    std::size_t c = stored.find("\nc\n");
    EXPECT_EQ(a, 0u);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), '\n'), 5); // three lines, two noise lines
}

// A receiver that floods: both download tools give up past any list's length and keep no file
// that would pass for a list.
TEST(ListfetchFaults, MoreLinesThanAnyListEndWithAnError) {
    std::string flood;
    for (int line = 0; line < 4300; ++line)
        flood += "noise " + std::to_string(line) + "\n";
    for (const char* tool : {LISTFETCH_BINARY, LISTFETCH1_BINARY}) {
        ScratchDir dir;
        dir.write("list.dat", flood);
        RunningBox box(dir, {"--list", dir.path("list.dat").string()});
        const ProcessResult result = runProgram(tool, {"-p", "3", dir.path("out.dat").string()},
                                                {"KANALO_COM3=" + dir.path("box").string()}, 30);
        EXPECT_EQ(result.exitCode, 1) << tool;
        EXPECT_EQ(result.err, "Error: the receiver sent more lines than a channel list holds.\n");
        EXPECT_EQ(dir.read("out.dat"), "");
    }
}

TEST(ListfetchFaults, FullDiskIsAFailureNotASuccess) {
    ScratchDir dir;
    dir.write("list.dat", "a\nb\n");
    RunningBox box(dir, {"--list", dir.path("list.dat").string()});
    ProcessResult result = fetch({"-p", "7", "/dev/full"}, {box.portVariable()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Error: unable to write file.\n");
}

} // namespace
} // namespace kanalo::testing
