#include "tools/boxsim/box_server.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>

namespace kanalo::boxsim {

namespace {

using namespace std::chrono_literals;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void installStopHandlers() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// A tool that never closes its end after a finished transfer is not waited for forever.
constexpr auto lingerAfterTransfer = 30s;
// With no tool on the line the master reports a hang-up at once; look again this often.
constexpr auto absentToolPoll = 10ms;
// Time for the tool to read the last bytes before the line goes dead.
constexpr auto hangUpGrace = 200ms;
// The longest poll() sleep, so a stop request is noticed promptly.
constexpr auto longestSleep = 1000ms;

} // namespace

BoxServer::BoxServer(PseudoTerminal& terminal, BoxProtocol& protocol, ServerSettings settings)
    : terminal_(terminal), protocol_(protocol), settings_(std::move(settings)),
      paceRate_(settings_.pace.value_or(0)) {}

BoxServer::Clock::duration BoxServer::byteTime() const {
    if (paceRate_ == 0)
        return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(10'000'000'000LL / static_cast<long long>(paceRate_)));
}

void BoxServer::record(const char* bytes, std::size_t count) const {
    if (recordFd_ >= 0 && ::write(recordFd_, bytes, count) < 0)
        std::perror("boxsim: record");
}

bool BoxServer::readFromTool(Clock::time_point now) {
    char buffer[4096];
    for (;;) {
        ssize_t got = ::read(terminal_.master(), buffer, sizeof buffer);
        if (got > 0) {
            record(buffer, static_cast<std::size_t>(got));
            for (ssize_t i = 0; i < got; ++i) {
                Clock::time_point start = std::max(now, inboundFreeAt_);
                inboundFreeAt_ = start + byteTime();
                arrivals_.push_back({buffer[i], inboundFreeAt_});
            }
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read; EIO: the tool has closed its end for now.
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO);
    }
}

void BoxServer::feedDueBytes(Clock::time_point now) {
    unsigned toolRate = protocol_.receiverRate() != 0 ? terminal_.toolBaud() : 0;
    while (!arrivals_.empty() && arrivals_.front().due <= now) {
        Arrival arrival = arrivals_.front();
        arrivals_.pop_front();
        unsigned receiverRate = protocol_.receiverRate();
        protocol_.setRatesMatch(receiverRate == 0 || toolRate == receiverRate);
        protocol_.receive(arrival.byte);
        queueActions(arrival.due);
    }
}

void BoxServer::queueActions(Clock::time_point at) {
    for (BoxAction& action : protocol_.takeActions()) {
        auto delay = std::chrono::milliseconds(action.delayMs);
        pending_.push_back({std::move(action), at + delay});
    }
}

bool BoxServer::advanceOutput(Clock::time_point now) {
    for (;;) {
        if (sendingAt_ < sending_.size()) {
            if (paceRate_ == 0) {
                unwritten_.append(sending_, sendingAt_);
                sendingAt_ = sending_.size();
                outboundFreeAt_ = now;
                continue;
            }
            while (sendingAt_ < sending_.size() && nextByteAt_ <= now) {
                unwritten_.push_back(sending_[sendingAt_++]);
                outboundFreeAt_ = nextByteAt_;
                nextByteAt_ += byteTime();
            }
            if (sendingAt_ < sending_.size())
                return true;
            continue;
        }
        if (pending_.empty() || pending_.front().notBefore > now)
            return true;
        Pending next = std::move(pending_.front());
        pending_.pop_front();
        switch (next.action.kind) {
        case BoxAction::Kind::Send:
            sending_ = std::move(next.action.bytes);
            sendingAt_ = 0;
            nextByteAt_ = std::max(next.notBefore, outboundFreeAt_) + byteTime();
            break;
        case BoxAction::Kind::SetRate:
            if (settings_.pace)
                paceRate_ = next.action.rate != 0 ? next.action.rate : *settings_.pace;
            break;
        case BoxAction::Kind::HangUp:
            flushWrites();
            // Closing the master drops what the tool has not read yet; a wire would have
            // delivered it.
            std::this_thread::sleep_for(hangUpGrace);
            terminal_.hangUp();
            return false;
        case BoxAction::Kind::DownloadDone:
            transferDone_ = true;
            break;
        case BoxAction::Kind::UploadDone:
            storeUpload();
            transferDone_ = true;
            break;
        }
    }
}

bool BoxServer::flushWrites() {
    if (unwritten_.empty())
        return true;
    unsigned receiverRate = protocol_.receiverRate();
    if (receiverRate != 0 && terminal_.toolBaud() != receiverRate)
        std::fill(unwritten_.begin(), unwritten_.end(), '\xff'); // what a rate mismatch sounds like
    for (;;) {
        ssize_t written = ::write(terminal_.master(), unwritten_.data(), unwritten_.size());
        if (written >= 0) {
            unwritten_.erase(0, static_cast<std::size_t>(written));
            return true;
        }
        if (errno == EINTR)
            continue;
        // EAGAIN: the tool is not reading; EIO: no tool on the line. Keep the bytes.
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO;
    }
}

BoxServer::Clock::time_point BoxServer::nextWake() const {
    Clock::time_point wake = Clock::time_point::max();
    if (!arrivals_.empty())
        wake = std::min(wake, arrivals_.front().due);
    if (sendingAt_ < sending_.size())
        wake = std::min(wake, nextByteAt_);
    else if (!pending_.empty())
        wake = std::min(wake, pending_.front().notBefore);
    return wake;
}

void BoxServer::storeUpload() const {
    if (settings_.storePath.empty())
        return;
    std::string temporary = settings_.storePath + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        std::perror("boxsim: store");
        return;
    }
    for (const std::string& line : protocol_.storedLines()) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
    }
    if (std::fclose(file) != 0 || std::rename(temporary.c_str(), settings_.storePath.c_str()) != 0)
        std::perror("boxsim: store");
}

int BoxServer::run() {
    installStopHandlers();
    // The kernel may let a timed wait run 50 us long by default: more than half a byte's time
    // at 115200, which a real wire never adds.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    if (!settings_.recordPath.empty()) {
        recordFd_ = ::open(settings_.recordPath.c_str(),
                           O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
        if (recordFd_ < 0) {
            std::perror("boxsim: record");
            return 1;
        }
    }
    Clock::time_point doneAt{};
    while (!stopRequested) {
        Clock::time_point now = Clock::now();
        feedDueBytes(now);
        if (!advanceOutput(now))
            return 0;
        if (!flushWrites()) {
            std::perror("boxsim: write");
            return 1;
        }
        if (settings_.once && transferDone_) {
            if (doneAt == Clock::time_point{})
                doneAt = now;
            if (!toolPresent_ || now - doneAt > lingerAfterTransfer)
                return 0;
        }

        auto sleep = std::min<Clock::duration>(nextWake() - now, longestSleep);
        sleep = std::max<Clock::duration>(sleep, Clock::duration::zero());
        // A paced byte is due every 87 us at 115200: wait to the nanosecond, and wake at once
        // for the tool's bytes, whose arrival time is when they are read.
        const auto seconds = std::chrono::floor<std::chrono::seconds>(sleep);
        const timespec timeout{
            static_cast<time_t>(seconds.count()),
            static_cast<long>(std::chrono::nanoseconds(sleep - seconds).count())};
        pollfd entry{terminal_.master(), POLLIN, 0};
        if (!unwritten_.empty())
            entry.events |= POLLOUT;
        int ready = ::ppoll(&entry, 1, &timeout, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            std::perror("boxsim: poll");
            return 1;
        }
        if (ready == 0)
            continue;
        toolPresent_ = (entry.revents & POLLHUP) == 0;
        if (entry.revents & POLLIN) {
            if (!readFromTool(Clock::now())) {
                std::perror("boxsim: read");
                return 1;
            }
        } else if (!toolPresent_) {
            std::this_thread::sleep_for(std::min<Clock::duration>(sleep, absentToolPoll));
        }
    }
    return 0;
}

} // namespace kanalo::boxsim
