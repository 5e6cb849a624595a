// The older tools' serial routines against a pseudo-terminal whose other end the test plays,
// their command line and the reading of upload input.
#include "tools/legacy/legacy_command_line.h"
#include "tools/legacy/legacy_serial.h"
#include "tools/legacy/legacy_upload.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace kanalo::legacy {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr unsigned testPort = 4;

// The receiver's end of a pseudo-terminal; port 4 names its other end.
class FakeReceiver {
public:
    FakeReceiver() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        ::grantpt(master_);
        ::unlockpt(master_);
        ::setenv("KANALO_COM4", ::ptsname(master_), 1);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
    }
    ~FakeReceiver() { ::close(master_); }
    void say(const std::string& text) {
        ASSERT_EQ(::write(master_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

private:
    int master_ = -1;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double processCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

TEST(LegacySetupCom, OnlyPortsOneToFourAndExistingDevices) {
    LegacyPort port;
    for (unsigned number : {0u, 5u, 9u}) {
        EXPECT_FALSE(setupCom(port, number, standardBaud));
        EXPECT_EQ(errno, portOutOfRangeError) << number;
    }
    ::setenv("KANALO_COM2", "/nonexistent/kanalo-port", 1);
    EXPECT_FALSE(setupCom(port, 2, standardBaud));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(port.isOpen());
}

TEST(LegacyReadLine, CutsLongLinesIntoBufferSizedPieces) {
    constexpr std::size_t piece = lineBufferSize - 1;
    struct Case {
        std::size_t length;
        std::string end;
        std::vector<std::size_t> pieces;
    };
    for (const Case& c : {Case{piece - 1, "\n", {piece - 1}}, Case{piece, "\n", {piece}},
                          Case{piece, "\r\n", {piece}}, Case{piece + 1, "\n", {piece, 1}},
                          Case{5000, "\r\n", {piece, piece, 5000 - 2 * piece}}}) {
        FakeReceiver receiver;
        LegacyPort port;
        ASSERT_TRUE(setupCom(port, testPort, standardBaud));
        receiver.say(std::string(c.length, 'L') + c.end + "next\n");
        std::string line;
        for (std::size_t expected : c.pieces) {
            ASSERT_TRUE(ReadLine(port, line, 500));
            EXPECT_EQ(line, std::string(expected, 'L')) << c.length;
        }
        // No empty line for the line end that came after a full buffer.
        ASSERT_TRUE(ReadLine(port, line, 500));
        EXPECT_EQ(line, "next") << c.length;
    }
}

TEST(LegacyReadLine, ASilentLineEndsAfterTheByteLimitWithoutBusyWaiting) {
    FakeReceiver receiver;
    LegacyPort port;
    ASSERT_TRUE(setupCom(port, testPort, standardBaud));
    std::string line;
    double cpuBefore = processCpuSeconds();
    auto start = Clock::now();
    EXPECT_FALSE(ReadLine(port, line, 400));
    EXPECT_EQ(errno, readTimedOutError);
    EXPECT_GE(secondsSince(start), 0.4);
    EXPECT_LT(secondsSince(start), 1.5);
    // Waiting must sleep in poll(), not spin on reads that return at once.
    EXPECT_LT(processCpuSeconds() - cpuBefore, 0.05);
}

TEST(LegacyReadLine, TheLimitIsPerByteNotPerLine) {
    FakeReceiver receiver;
    LegacyPort port;
    ASSERT_TRUE(setupCom(port, testPort, standardBaud));
    std::thread trickle([&] {
        for (char c : std::string("slow\n")) {
            std::this_thread::sleep_for(150ms);
            receiver.say(std::string(1, c));
        }
    });
    std::string line;
    EXPECT_TRUE(ReadLine(port, line, 400));
    trickle.join();
    EXPECT_EQ(line, "slow");
}

TEST(LegacyIsEmptyLine, OnlyBlanksAndTabsUpToTheFirstLineFeed) {
    for (const char* text : {"", "\n", " \t  \n", "\t", "  \nnot looked at"})
        EXPECT_TRUE(isEmptyLine(text)) << '"' << text << '"';
    for (const char* text : {"x\n", "  .\n", "\r\n", "\v\n", " \xa0\n"})
        EXPECT_FALSE(isEmptyLine(text)) << '"' << text << '"';
}

TEST(LegacyCommandLine, OptionsPortsAndFileName) {
    struct Case {
        std::vector<std::string_view> arguments;
        bool takesS;
        unsigned port;
        unsigned baud;
        const char* file; // nullptr: none
    };
    for (const Case& c : std::vector<Case>{
             {{}, false, 1, 38400, nullptr},
             {{"-f", "list.dat", "-p", "9", "-x"}, false, 1, 115200, "list.dat"},
             {{"-fast", "-p", "4"}, false, 4, 115200, nullptr},
             {{"-p", "2", "-p", "3", "out"}, false, 3, 38400, "out"},
             {{"-f", "-s"}, true, 1, 38400, nullptr},
             {{"-s", "-f"}, true, 1, 115200, nullptr},
         }) {
        LegacyParseResult result = parseLegacyArguments(c.arguments, c.takesS);
        ASSERT_TRUE(result.accepted) << result.error;
        EXPECT_EQ(result.options.portNumber, c.port);
        EXPECT_EQ(result.options.baud, c.baud);
        EXPECT_EQ(result.options.fileName.has_value(), c.file != nullptr);
        if (c.file) {
            EXPECT_EQ(*result.options.fileName, c.file);
        }
    }
}

TEST(LegacyCommandLine, RefusalsNameTheValueOrTheArgument) {
    struct Case {
        std::vector<std::string_view> arguments;
        bool takesS;
        const char* error;
    };
    for (const Case& c : std::vector<Case>{
             {{"-p", "5", "x.dat"}, false, "5is an invalid port number.\n"},
             {{"-p", "0"}, false, "0is an invalid port number.\n"},
             {{"-p"}, false, "0is an invalid port number.\n"},
             {{"-p", "abc"}, false, "0is an invalid port number.\n"},
             {{"-p", "2x"}, false, "0is an invalid port number.\n"},
             {{"-p", "-3"}, false, "-3is an invalid port number.\n"},
             {{"-p", "99999999999999999999"}, false, "0is an invalid port number.\n"},
             {{"-x", "x.dat"}, false, "-x is an invalid option.\n"},
             {{"-F"}, false, "-F is an invalid option.\n"},
             {{"-f", "-b", "9600"}, false, "-b is an invalid option.\n"},
             {{"-s"}, false, "-s is an invalid option.\n"},
             {{"-sx"}, false, "-sx is an invalid option.\n"},
             {{"-t"}, true, "-t is an invalid option.\n"},
             // Not standard input: an option without a letter.
             {{"-f", "-"}, true, "- is an invalid option.\n"},
         }) {
        LegacyParseResult result = parseLegacyArguments(c.arguments, c.takesS);
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(result.error, c.error);
    }
}

std::vector<std::string> uploadLines(const std::string& content) {
    std::FILE* file = ::fmemopen(const_cast<char*>(content.data()), content.size(), "rb");
    EXPECT_NE(file, nullptr);
    UploadLineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    std::fclose(file);
    return lines;
}

TEST(LegacyUploadInput, LinesKeepTheirBytesAndEndInLineFeed) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(uploadLines("a\r\nb\n\r\n x\ry \n\xe4\t\n"),
              (Lines{"a\n", "b\n", "\n", " x\ry \n", "\xe4\t\n"}));
    // A last line cut short by the end of the input is not a line.
    EXPECT_EQ(uploadLines("one\ntwo"), (Lines{"one\n"}));
    EXPECT_EQ(uploadLines(std::string(5000, 'z')), Lines{});
    EXPECT_EQ(uploadLines(""), Lines{});
}

TEST(LegacyUploadInput, LongLinesGoOutInPiecesThatFitTheBuffer) {
    std::vector<std::string> lines = uploadLines(std::string(5000, 'z') + "\r\nend\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(maxPieceLength, 'z') + "\n");
    EXPECT_EQ(lines[1], std::string(maxPieceLength, 'z') + "\n");
    EXPECT_EQ(lines[2], std::string(5000 - 2 * maxPieceLength, 'z') + "\n");
    EXPECT_EQ(lines[3], "end\n");
    EXPECT_LT(lines[0].size(), lineBufferSize);
}

} // namespace
} // namespace kanalo::legacy
