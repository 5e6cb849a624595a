// The order of the tools' port operations: bytes must have left the port before the rate
// changes, before an answer's clock starts and before the legacy reply pause. A
// pseudo-terminal sends everything at once, so the operations are recorded as they are made.
#include "tests/tools/tool_process.h"
#include "tools/legacy/legacy_upload.h"
#include "tools/legacy/legacy_words.h"
#include "tools/listfetch/list_download.h"
#include "tools/listsend/list_upload.h"
#include "tools/seriallink/connect_handshake.h"
#include "tools/seriallink/port_operations.h"
#include "tools/seriallink/protocol_words.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kanalo::testing {
namespace {

using Clock = std::chrono::steady_clock;
using Events = std::vector<std::string>;

// Lets every operation happen and notes it: consecutive writes as one text, "drain" when a
// drain returns, "rate N" for a rate change.
class WireRecorder : public serial::PortOperations {
public:
    WireRecorder() { serial::setPortOperations(this); }
    ~WireRecorder() override { serial::setPortOperations(nullptr); }

    ssize_t write(int fd, const char* bytes, std::size_t length) override {
        ssize_t written = PortOperations::write(fd, bytes, length);
        if (written > 0) {
            if (events_.empty() || !writing_)
                note("");
            events_.back().append(bytes, static_cast<std::size_t>(written));
            writing_ = true;
        }
        return written;
    }
    serial::DrainResult drain(int fd, const serial::Deadline& deadline) override {
        serial::DrainResult result = PortOperations::drain(fd, deadline);
        if (!scriptedDrains.empty()) {
            result = scriptedDrains.front();
            scriptedDrains.pop_front();
        }
        note("drain");
        return result;
    }
    bool setSpeed(int fd, speed_t speed) override {
        bool changed = PortOperations::setSpeed(fd, speed);
        note(speed == B57600 ? "rate 57600" : speed == B115200 ? "rate 115200" : "rate other");
        return changed;
    }

    // Outcomes the next drains report instead of their own: a line held up by flow control.
    std::deque<serial::DrainResult> scriptedDrains;

    const Events& events() const { return events_; }
    // Seconds from event `from` (a drain: when it returned) to event `to` (a write: its start).
    double secondsBetween(std::size_t from, std::size_t to) const {
        return std::chrono::duration<double>(times_.at(to) - times_.at(from)).count();
    }

private:
    void note(std::string event) {
        events_.push_back(std::move(event));
        times_.push_back(Clock::now());
        writing_ = false;
    }

    Events events_;
    std::vector<Clock::time_point> times_;
    bool writing_ = false;
};

// boxsim with `arguments` as port `port`.
struct Receiver {
    ScratchDir dir;
    RunningBox box;
    Receiver(unsigned port, std::vector<std::string> arguments) : box(dir, std::move(arguments)) {
        ::setenv(("KANALO_COM" + std::to_string(port)).c_str(), dir.path("box").c_str(), 1);
    }
};

constexpr serial::LinkTimings quickTimings{.writeTimeoutMs = 500,
                                           .handshakeReadMs = 300,
                                           .baudAckReadMs = 300,
                                           .reopenLimit = 4,
                                           .dropTabs = true};

TEST(WireOrder, BaudCommandsLeaveTheWireBeforeTheRateChanges) {
    const serial::ConnectRequest request{serial::fetchRequest, serial::fetchStartMarker, true,
                                         false};
    {
        // Switched, downloaded and reset.
        Receiver receiver(7, {});
        WireRecorder wire;
        serial::SerialLink link(7, 57600, quickTimings);
        ASSERT_TRUE(serial::connectReceiver(link, request));
        std::FILE* output = std::tmpfile();
        EXPECT_EQ(fetch::receiveList(link, output, true), 0);
        std::fclose(output);
        EXPECT_EQ(wire.events(), (Events{"baudrate57600\n", "drain", "rate 57600", "listfetchrams",
                                         "drain", "baudratereset", "drain"}));
    }
    {
        // No answer at the new rate: back to the old rate and asked again.
        Receiver receiver(7, {"--silent"});
        WireRecorder wire;
        serial::SerialLink link(7, 57600, quickTimings);
        EXPECT_FALSE(serial::connectReceiver(link, request));
        EXPECT_EQ(wire.events(), (Events{"baudrate57600\n", "drain", "rate 57600", "listfetchrams",
                                         "drain", "rate 115200", "listfetchrams", "drain"}));
    }
}

TEST(WireOrder, EachListLineLeavesTheWireBeforeItsAnswerClockStarts) {
    Receiver receiver(7, {"--silent"});
    WireRecorder wire;
    serial::SerialLink link(7, 115200, quickTimings);
    ASSERT_TRUE(link.openComPort(115200));
    char file[] = "one\ntwo\n";
    std::FILE* input = ::fmemopen(file, sizeof file - 1, "rb");
    send::ListLineReader lines(input, false);
    send::VerdictBox verdicts;
    send::UploadOutcome outcome = send::sendLines(link, lines, verdicts);
    std::fclose(input);
    EXPECT_EQ(outcome.counts.unknown, 2u);
    ASSERT_EQ(wire.events(),
              (Events{send::wireForm("one"), "drain", send::wireForm("two"), "drain"}));
    // The unanswered first line had its full 500 ms once it had left.
    EXPECT_GE(wire.secondsBetween(1, 2), 0.5);
}

TEST(WireOrder, BytesHeldInTheQueueAreSentAgainAfterTheReopen) {
    Receiver receiver(7, {"--silent"});
    WireRecorder wire;
    serial::SerialLink link(7, 115200, quickTimings);
    ASSERT_TRUE(link.openComPort(115200));
    int reopens = 0;
    link.setReopenHooks([&] { ++reopens; }, [] { return true; });
    // Two bytes leave, then three stay queued for a whole byte time.
    using serial::DrainOutcome;
    wire.scriptedDrains = {{DrainOutcome::TimedOut, 3}, {DrainOutcome::TimedOut, 3}};
    EXPECT_TRUE(link.writeTimed("abcde", 100));
    EXPECT_EQ(reopens, 1);
    EXPECT_EQ(wire.events(), (Events{"abcde", "drain", "drain", "cde", "drain"}));
}

TEST(WireOrder, LegacyLinesLeaveTheWireBeforeTheReplyPause) {
    Receiver receiver(4, {});
    WireRecorder wire;
    char file[] = "one\ntwo\n";
    std::FILE* input = ::fmemopen(file, sizeof file - 1, "rb");
    legacy::LegacyOptions options;
    options.portNumber = 4;
    EXPECT_EQ(legacy::runUpload(options, legacy::secondUploadVariant, input), 0);
    std::fclose(input);
    const std::string request(legacy::sendRequest);
    const std::string end(legacy::sendEndOfList);
    ASSERT_EQ(wire.events(),
              (Events{request, "drain", "one\n", "drain", "two\n", "drain", end, "drain"}));
    // Each line's 20 ms pause (then its reply, then the next line) came after its drain.
    EXPECT_GE(wire.secondsBetween(3, 4), 0.02);
    EXPECT_GE(wire.secondsBetween(5, 6), 0.02);
}

} // namespace
} // namespace kanalo::testing
