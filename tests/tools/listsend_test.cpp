// listsend3 against boxsim: command line, wire form, verdicts, resends and aborts.
#include "tests/tools/tool_process.h"

#include <gtest/gtest.h>

namespace kanalo::testing {
namespace {

const char* const usageText =
    "listsend3 V1.1 10/2000\n"
    "loads program list into satellite receiver via serial port.\n"
    "Usage:  listsend.exe [-p port] [-b baudrate] [-f] [-s] [-x] [-i] filename\n"
    "           -p port      serial port; 1=COM1,2=COM2,... (default COM1)\n"
    "           -b baudrate  baudrate for serial port (default 38400)\n"
    "           -f           forces to use 115200 baud (overrides option '-b')\n"
    "           -s           forces to use 38400 baud (overrides option '-b')\n"
    "           -x           try to set receiver' baudrate,s too. It is usable\n"
    "                        for Win95/Win98 First Release with lower baudrates\n"
    "                        (only supported by newer revisions)\n"
    "           -i           ignores start response string\n"
    "                        (no warranty for correct data)\n"
    "           -t           toggles horizontal and vertical polarisation\n"
    "           filename     file containing program list to upload\n";

const std::string endOfList = "### stop dumping program list ###\n";

ProcessResult send(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment = {}, double limit = 40) {
    return runProgram(LISTSEND_BINARY, arguments, environment, limit);
}

std::string summary(unsigned total, unsigned added, unsigned failed, unsigned unknown) {
    return std::string(60, ' ') + "\rTotal:   " + std::to_string(total) +
           "\nAdded:   " + std::to_string(added) + "\nFailed:  " + std::to_string(failed) +
           "\nUnknown: " + std::to_string(unknown) + "\n";
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Runs an upload of `file` to a boxsim with `boxArguments`.
struct Upload {
    ScratchDir dir;
    ProcessResult result;
    std::string received;

    Upload(const std::string& file, std::vector<std::string> boxArguments,
           std::vector<std::string> toolArguments = {}) {
        dir.write("up.dat", file);
        boxArguments.insert(boxArguments.begin(), {"--store", dir.path("store.dat").string()});
        RunningBox box(dir, boxArguments);
        toolArguments.insert(toolArguments.begin(), {"-p", "7"});
        toolArguments.push_back(dir.path("up.dat").string());
        result = send(toolArguments, {box.portVariable()});
        received = box.received(connected() ? 5 : 0.2);
    }
    // After a handshake boxsim ends by itself (or has hung up); before one it never would.
    bool connected() const { return result.out.find("receiver connected") != std::string::npos; }
    std::string stored() const { return dir.read("store.dat"); }
};

TEST(ListsendCommandLine, BadOptionsShowUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"-l", "up.dat"}, {"-c", "up.dat"}, {"-ti", "up.dat"}, {"-t"}}) {
        ProcessResult result = send(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, usageText);
    }
    EXPECT_EQ(send({"-p", "x", "up.dat"}).err, "invalid port\n");
    EXPECT_EQ(send({"-b", "0", "up.dat"}).err, "invalid baudrate\n");
}

TEST(ListsendCommandLine, FileMustExistAndBeReadable) {
    ScratchDir dir;
    for (const std::string& name : {dir.path("missing.dat").string(), dir.path("").string()}) {
        ProcessResult result = send({name});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "Error: unable to open file.\n");
    }
}

TEST(ListsendWire, LinesGoOutWithChecksumAndTheEndMarker) {
    Upload run("abc\r\n\nASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"A b\"\n", {});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.received,
              "listsendrams"
              "abc      294\n"
              "        0\n"
              "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"A b\"     2408\n" +
                  endOfList);
    EXPECT_EQ(run.stored(),
              "abc\n\nASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"A b\"\n");
    EXPECT_EQ(run.result.out, "connecting...\rreceiver connected, baudrate: 38400\n"
                              "Total:1 / Added:1 / Failed:0\rTotal:2 / Added:2 / Failed:0\r"
                              "Total:3 / Added:3 / Failed:0\r" +
                                  summary(3, 3, 0, 0));
}

TEST(ListsendWire, LastLineWithoutLineFeedIsNotSent) {
    Upload run("one\ntwo", {});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.received, "listsendramsone      322\n" + endOfList);
    EXPECT_NE(run.result.out.find(summary(1, 1, 0, 0)), std::string::npos);
}

TEST(ListsendWire, ToggleSwapsPolarisationInTheFourthFieldOnly) {
    Upload run("hv 8192 11954000 h v\nASTRA 8192  3900000 V 27500\n ASTRA 8192 vH V\n", {}, {"-t"});
    EXPECT_EQ(run.result.exitCode, 0);
    // A blank after a blank is no separator; a leading blank is one.
    EXPECT_EQ(run.stored(),
              "hv 8192 11954000 v v\nASTRA 8192  3900000 h 27500\n ASTRA 8192 hv V\n");
    // The checksum is that of the toggled text.
    EXPECT_NE(run.received.find("hv 8192 11954000 v v     1074\n"), std::string::npos)
        << run.received;
}

TEST(ListsendWire, LongLinesGoAsPiecesOf2047) {
    std::string exact(2047, 'e');
    std::string longer(5000, 'x');
    Upload run(exact + "\r\n" + longer + "\n", {});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.stored(), exact + "\n" + std::string(2047, 'x') + "\n" + std::string(2047, 'x') +
                                "\n" + std::string(906, 'x') + "\n");
    EXPECT_NE(run.result.out.find(summary(4, 4, 0, 0)), std::string::npos);
}

TEST(ListsendWire, RateSwitchWrapsTheTransfer) {
    Upload run("abc\n", {}, {"-x", "-b", "57600"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.received,
              "baudrate57600\nlistsendramsabc      294\n" + endOfList + "baudratereset");
}

TEST(ListsendVerdicts, RejectedLinesAreResent) {
    Upload run("a\nb\n", {"--reject", "2"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(occurrences(run.received, "a       97\n"), 3u);
    EXPECT_EQ(occurrences(run.received, "b       98\n"), 3u);
    EXPECT_EQ(run.stored(), "a\nb\n");
    EXPECT_NE(run.result.out.find(summary(2, 2, 0, 0)), std::string::npos);
}

TEST(ListsendVerdicts, ReceiverThatRejectsEverythingGetsTenSendsPerLine) {
    Upload run("a\nb\n", {"--reject-all"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(occurrences(run.received, "a       97\n"), 10u);
    EXPECT_EQ(occurrences(run.received, "b       98\n"), 10u);
    EXPECT_NE(run.result.out.find(summary(2, 0, 2, 0)), std::string::npos);
}

TEST(ListsendVerdicts, NoiseAroundVerdictsDoesNotChangeTheCounts) {
    Upload run("a\nb\nc\n", {"--garbage", "--reject", "1"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.stored(), "a\nb\nc\n");
    EXPECT_NE(run.result.out.find(summary(3, 3, 0, 0)), std::string::npos);
}

TEST(ListsendVerdicts, LateVerdictCountsForTheNextLine) {
    Upload run("a\nb\n", {"--verdict-delay", "700"});
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_NE(run.result.out.find(summary(2, 1, 0, 1)), std::string::npos) << run.result.out;
}

TEST(ListsendAbort, ReceiverThatNeverAnswersAbortsAfterFourLines) {
    Upload run("1\n2\n3\n4\n5\n6\n", {"--stop-after", "0"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_NE(run.result.out.find(summary(4, 0, 0, 4) + "error (0x6e): transfer aborted\n"),
              std::string::npos)
        << run.result.out;
    EXPECT_EQ(run.received.substr(run.received.size() - endOfList.size()), endOfList);
    EXPECT_EQ(occurrences(run.received, "\n"), 5u); // four lines and the end marker
}

TEST(ListsendAbort, LaterRunOfFiveUnansweredLinesAborts) {
    Upload run("1\n2\n3\n4\n5\n6\n7\n8\n9\n", {"--stop-after", "2"});
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_NE(run.result.out.find(summary(7, 2, 0, 5) + "error (0x6e): transfer aborted\n"),
              std::string::npos)
        << run.result.out;
}

TEST(ListsendAbort, HangUpAbortsPromptlyWithCounts) {
    Upload run("1\n2\n3\n4\n5\n", {"--hangup-after", "2"});
    EXPECT_EQ(run.result.exitCode, 1);
    // Line 3 goes out while the line is still up but gets no verdict; line 4 cannot be sent.
    EXPECT_NE(run.result.out.find(summary(4, 2, 0, 1) + "error (0x5): transfer aborted\n"),
              std::string::npos)
        << run.result.out;
    EXPECT_LT(run.result.seconds, 3);
}

TEST(ListsendHandshake, MissingStartMarkerFailsUnlessIgnored) {
    Upload strict("a\n", {"--no-start-marker"});
    EXPECT_EQ(strict.result.exitCode, 1);
    EXPECT_EQ(strict.result.err, "\rCan't connect to receiver (invalid response or timeout).\n");

    Upload lenient("a\n", {"--no-start-marker"}, {"-i"});
    EXPECT_EQ(lenient.result.exitCode, 0);
    EXPECT_EQ(lenient.stored(), "a\n");
    EXPECT_NE(lenient.result.out.find("baudrate: 38400, ignore response\n"), std::string::npos);
}

TEST(ListsendHandshake, SilentReceiverWithIgnoreWaitsTheFullAnswerLimit) {
    ScratchDir dir;
    dir.write("up.dat", "a\nb\nc\nd\ne\n");
    RunningBox box(dir, {"--silent"});
    ProcessResult result =
        send({"-p", "7", "-i", dir.path("up.dat").string()}, {box.portVariable()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("receiver connected, baudrate: 38400, ignore response\n"),
              std::string::npos);
    EXPECT_NE(result.out.find(summary(4, 0, 0, 4)), std::string::npos);
    // 0.5 s open, 20 s for the answer, four unanswered lines of 0.5 s.
    EXPECT_GE(result.seconds, 0.5 + 20 + 2 - 0.1);
    EXPECT_LT(result.seconds, 0.5 + 20 + 2 + 3);
}

} // namespace
} // namespace kanalo::testing
