// The serial layer against a pseudo-terminal whose other end the test plays.
#include "tools/listsend/reply_listener.h"
#include "tools/seriallink/serial_link.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace kanalo::serial {
namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned testPort = 9;

LinkTimings timings(bool dropTabs = true, unsigned reopenLimit = 6) {
    return {.writeTimeoutMs = 100,
            .handshakeReadMs = 300,
            .baudAckReadMs = 300,
            .reopenLimit = reopenLimit,
            .dropTabs = dropTabs};
}

// The receiver's end of a pseudo-terminal; port 9 names its other end.
class FakeLine {
public:
    FakeLine() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        ::grantpt(master_);
        ::unlockpt(master_);
        ::setenv("KANALO_COM9", ::ptsname(master_), 1);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
    }
    ~FakeLine() { hangUp(); }
    void say(const std::string& text) {
        ASSERT_EQ(::write(master_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    std::string heard() {
        std::string text;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(master_, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        return text;
    }
    // Holds the tool's output back as flow control would (must come before the tool opens).
    void stopToolOutput() {
        probe_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(probe_, 0);
        ASSERT_EQ(::tcflow(probe_, TCOOFF), 0);
    }
    void hangUp() {
        if (probe_ >= 0)
            ::close(probe_);
        probe_ = -1;
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    int probe_ = -1;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(SerialLinkRead, SkipsCarriageReturnsAndOptionallyTabs) {
    FakeLine line;
    SerialLink fetchLink(testPort, 38400, timings(true));
    ASSERT_TRUE(fetchLink.openComPort(38400));
    line.say("a\tb\r\r\nc\td\n");
    std::string text;
    ASSERT_TRUE(fetchLink.readReplyLine(text, replyLineCapacity, 300));
    EXPECT_EQ(text, "ab");
    fetchLink.close();

    SerialLink sendLink(testPort, 38400, timings(false));
    ASSERT_TRUE(sendLink.openComPort(38400));
    line.say("c\td\r\n\n");
    ASSERT_TRUE(sendLink.readReplyLine(text, replyLineCapacity, 300));
    EXPECT_EQ(text, "c\td");
    ASSERT_TRUE(sendLink.readReplyLine(text, replyLineCapacity, 300));
    EXPECT_EQ(text, "");
}

TEST(SerialLinkRead, LongLinesArriveInPiecesAndSilenceTimesOut) {
    FakeLine line;
    SerialLink link(testPort, 38400, timings());
    ASSERT_TRUE(link.openComPort(38400));
    line.say(std::string(3000, 'x') + "\n");
    std::string text;
    ASSERT_TRUE(link.readReplyLine(text, replyLineCapacity, 300));
    EXPECT_EQ(text.size(), 2047u);
    ASSERT_TRUE(link.readReplyLine(text, replyLineCapacity, 300));
    EXPECT_EQ(text.size(), 953u);

    line.say("partial");
    auto start = Clock::now();
    EXPECT_FALSE(link.readReplyLine(text, replyLineCapacity, 300));
    EXPECT_EQ(errno, ETIMEDOUT);
    EXPECT_GE(secondsSince(start), 0.29);
    EXPECT_LT(secondsSince(start), 1.0);
}

TEST(SerialLinkRead, HangUpFailsAtOnce) {
    FakeLine line;
    SerialLink link(testPort, 38400, timings());
    ASSERT_TRUE(link.openComPort(38400));
    line.hangUp();
    std::string text;
    auto start = Clock::now();
    EXPECT_FALSE(link.readReplyLine(text, replyLineCapacity, 2000));
    EXPECT_EQ(errno, EIO);
    EXPECT_LT(secondsSince(start), 0.5);
    EXPECT_FALSE(link.writeTimed("x", 100));
}

TEST(SerialLinkOpen, ReportsMissingNonSerialAndBusyPorts) {
    ::setenv("KANALO_COM9", "/nonexistent/port", 1);
    SerialLink missing(testPort, 38400, timings());
    EXPECT_FALSE(missing.openComPort(38400));
    EXPECT_EQ(errno, ENOENT);

    ::setenv("KANALO_COM9", "/dev/null", 1);
    SerialLink notSerial(testPort, 38400, timings());
    EXPECT_FALSE(notSerial.openComPort(38400));
    EXPECT_EQ(errno, ENOTTY);

    FakeLine line;
    SerialLink first(testPort, 38400, timings());
    ASSERT_TRUE(first.openComPort(38400));
    SerialLink second(testPort, 38400, timings());
    EXPECT_FALSE(second.openComPort(38400));
    EXPECT_EQ(errno, EBUSY);
    first.close();
    EXPECT_TRUE(second.openComPort(38400));
}

TEST(SerialLinkOpen, SetsRawModeAndTheRequestedRate) {
    FakeLine line;
    // Opened first: the tool's exclusive hold refuses later opens.
    int probe = ::open(std::getenv("KANALO_COM9"), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(probe, 0);
    SerialLink link(testPort, 57600, timings());
    ASSERT_TRUE(link.openComPort(115200));
    termios settings{};
    ASSERT_EQ(::tcgetattr(probe, &settings), 0);
    EXPECT_EQ(::cfgetospeed(&settings), B115200);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), CS8 | CRTSCTS);
    ASSERT_TRUE(link.setPortBaud(57600));
    ASSERT_EQ(::tcgetattr(probe, &settings), 0);
    EXPECT_EQ(::cfgetospeed(&settings), B57600);
    EXPECT_FALSE(link.setPortBaud(12345));
    ::close(probe);
}

TEST(SerialLinkWrite, StalledLineIsReopenedThenGivenUp) {
    FakeLine line;
    line.stopToolOutput();
    SerialLink link(testPort, 38400, timings(true, 2));
    ASSERT_TRUE(link.openComPort(38400));
    int before = 0;
    int after = 0;
    link.setReopenHooks([&] { ++before; },
                        [&] {
                            ++after;
                            return true;
                        });
    auto start = Clock::now();
    EXPECT_FALSE(link.writeTimed("abc", 100));
    EXPECT_EQ(errno, ETIMEDOUT);
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
    // Three stalls of 0.1 s and two reopens of 0.5 s.
    EXPECT_GE(secondsSince(start), 1.25);
    EXPECT_LT(secondsSince(start), 2.5);
}

TEST(SerialLinkWrite, OneStallReopensAndTheWriteCompletes) {
    FakeLine line; // never reads: the terminal's buffer fills, and the reopen purges it
    SerialLink link(testPort, 38400, timings(true, 4));
    ASSERT_TRUE(link.openComPort(38400));
    int reopens = 0;
    link.setReopenHooks([&] { ++reopens; }, [] { return true; });
    // More than the terminal takes in one go (about 12 KB), less than twice that.
    EXPECT_TRUE(link.writeTimed(std::string(20000, 'x'), 100));
    EXPECT_EQ(reopens, 1);
}

TEST(SerialLinkWrite, FailingRestartAfterReopenFailsTheWrite) {
    FakeLine line;
    SerialLink link(testPort, 38400, timings(true, 4));
    ASSERT_TRUE(link.openComPort(38400));
    link.setReopenHooks([] {}, [] { return false; });
    EXPECT_FALSE(link.writeTimed(std::string(30000, 'x'), 100));
}

TEST(ReplyListener, PostsVerdictsAndStopsPromptly) {
    FakeLine line;
    SerialLink link(testPort, 38400, timings(false));
    ASSERT_TRUE(link.openComPort(38400));
    send::VerdictBox verdicts;
    send::ReplyListener listener(link, verdicts);
    ASSERT_TRUE(listener.start());

    line.say("hello\nChannel added!\n");
    EXPECT_EQ(verdicts.waitFor(std::chrono::milliseconds(500)), send::Verdict::Accepted);
    verdicts.clear();
    line.say("Failed!\r\n");
    EXPECT_EQ(verdicts.waitFor(std::chrono::milliseconds(500)), send::Verdict::Rejected);
    verdicts.clear();
    EXPECT_EQ(verdicts.waitFor(std::chrono::milliseconds(100)), std::nullopt);
    // A reply that starts but never ends is watched for a moment, then waited for to the limit.
    line.say("Channel add");
    auto begun = Clock::now();
    EXPECT_EQ(verdicts.waitFor(std::chrono::milliseconds(100)), std::nullopt);
    EXPECT_GE(secondsSince(begun), 0.095);
    line.say("ed!\n");
    EXPECT_EQ(verdicts.waitFor(std::chrono::milliseconds(500)), send::Verdict::Accepted);

    auto start = Clock::now();
    listener.stop();
    EXPECT_LT(secondsSince(start), 0.5);
    EXPECT_FALSE(listener.running());
}

TEST(ReplyListener, HungUpLineDoesNotKeepItFromStopping) {
    FakeLine line;
    SerialLink link(testPort, 38400, timings(false));
    ASSERT_TRUE(link.openComPort(38400));
    send::VerdictBox verdicts;
    send::ReplyListener listener(link, verdicts);
    ASSERT_TRUE(listener.start());
    line.hangUp();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto start = Clock::now();
    listener.stop();
    EXPECT_LT(secondsSince(start), 0.3);
}

} // namespace
} // namespace kanalo::serial
