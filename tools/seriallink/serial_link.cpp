#include "tools/seriallink/serial_link.h"

#include "tools/seriallink/deadline.h"
#include "tools/seriallink/protocol_words.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace kanalo::serial {

namespace {

constexpr unsigned openPauseMs = 500;

// Result of trying to put one byte on the wire.
enum class ByteOutcome { Sent, TimedOut, Failed };

// Puts as many of the bytes into the driver as it takes at once, waiting for room until the
// deadline; `sent` says how many went. One write() a line rather than a byte keeps the tool
// and the port's other end from waking for every byte.
ByteOutcome putBytes(PortDevice& device, std::string_view bytes, const Deadline& deadline,
                     std::size_t& sent) {
    int fd = device.descriptor();
    for (;;) {
        ssize_t written = device.write(bytes.data(), bytes.size());
        if (written > 0) {
            sent = static_cast<std::size_t>(written);
            return ByteOutcome::Sent;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return ByteOutcome::Failed;
        int events = waitForDescriptor(fd, POLLOUT, deadline);
        if (events < 0)
            return ByteOutcome::Failed;
        if (events == 0)
            return ByteOutcome::TimedOut;
        if (events & POLLNVAL) {
            errno = EBADF;
            return ByteOutcome::Failed;
        }
        // Writable, or an error/hang-up that the next write() reports.
    }
}

// Waits for the queued bytes to leave the wire, each within `timeoutMs` like a byte write:
// TimedOut when none left in that time, with `waiting` (bytes queued before) then saying how
// many never went out.
ByteOutcome awaitWire(PortDevice& device, unsigned long timeoutMs, std::size_t& waiting) {
    for (;;) {
        DrainResult drained = device.drain(Deadline::afterMs(timeoutMs));
        if (drained.outcome == DrainOutcome::Drained)
            return ByteOutcome::Sent;
        if (drained.outcome == DrainOutcome::Failed)
            return ByteOutcome::Failed;
        if (drained.waiting >= waiting)
            return ByteOutcome::TimedOut;
        waiting = drained.waiting;
    }
}

} // namespace

SerialLink::SerialLink(unsigned portNumber, unsigned chosenBaud, LinkTimings timings)
    : portNumber_(portNumber), chosenBaud_(chosenBaud), timings_(timings) {}

bool SerialLink::openComPort(unsigned baud) {
    device_.purgeAndClose();
    discardInput();
    pauseMs(openPauseMs);
    return device_.open(portDevicePath(portNumber_), baud);
}

void SerialLink::close() {
    device_.close();
    discardInput();
}

bool SerialLink::setPortBaud(unsigned baud) {
    return device_.setBaud(baud);
}

BaudSwitch SerialLink::setReceiverBaud() {
    if (!device_.readSettings())
        return BaudSwitch::Failed;
    char command[64];
    std::snprintf(command, sizeof command, baudCommandFormat, chosenBaud_);
    if (!writeTimed(command, timings_.writeTimeoutMs))
        return BaudSwitch::Failed;
    if (!setPortBaud(chosenBaud_))
        return BaudSwitch::Failed;
    std::string reply;
    if (!readReplyLine(reply, replyLineCapacity, timings_.baudAckReadMs))
        return BaudSwitch::NotAcknowledged;
    return reply.starts_with(baudAcknowledgement) ? BaudSwitch::Acknowledged
                                                  : BaudSwitch::NotAcknowledged;
}

bool SerialLink::writeTimed(std::string_view bytes, unsigned long timeoutMs) {
    unsigned stallsInRow = 0;
    std::size_t next = 0;
    std::size_t queued = 0; // written since the port was last opened, possibly not yet sent
    for (;;) {
        if (!device_.isOpen()) {
            errno = EBADF;
            return false;
        }
        bool allWritten = next == bytes.size();
        std::size_t sent = 0;
        ByteOutcome outcome =
            allWritten ? awaitWire(device_, timeoutMs, queued)
                       : putBytes(device_, bytes.substr(next), Deadline::afterMs(timeoutMs), sent);
        if (outcome == ByteOutcome::Failed) {
            int error = errno;
            device_.purgeOutput();
            errno = error;
            return false;
        }
        // After the last tolerated reopen one more attempt is made; whatever it gives, a line
        // this unwilling is given up.
        if (stallsInRow >= timings_.reopenLimit) {
            device_.purgeOutput();
            errno = ETIMEDOUT;
            return false;
        }
        if (outcome == ByteOutcome::TimedOut) {
            ++stallsInRow;
            // The reopen drops what is still queued: those bytes go again.
            if (allWritten)
                next -= std::min(queued, next);
            queued = 0;
            if (!reopenAfterStall())
                return false;
            continue;
        }
        stallsInRow = 0;
        if (allWritten)
            return true;
        next += sent;
        queued += sent;
    }
}

bool SerialLink::writeWithin(std::string_view bytes, unsigned long totalMs) {
    Deadline deadline = Deadline::afterMs(totalMs);
    auto fail = [this](int error) {
        device_.purgeOutput();
        errno = error;
        return false;
    };
    while (!bytes.empty()) {
        if (!device_.isOpen()) {
            errno = EBADF;
            return false;
        }
        std::size_t sent = 0;
        ByteOutcome outcome = putBytes(device_, bytes, deadline, sent);
        if (outcome != ByteOutcome::Sent)
            return fail(outcome == ByteOutcome::TimedOut ? ETIMEDOUT : errno);
        bytes.remove_prefix(sent);
    }
    DrainResult drained = device_.drain(deadline);
    if (drained.outcome != DrainOutcome::Drained)
        return fail(errno);
    return true;
}

bool SerialLink::reopenAfterStall() {
    if (beforeReopen_)
        beforeReopen_();
    if (!openComPort(chosenBaud_))
        return false;
    if (afterReopen_ && !afterReopen_())
        return false;
    return true;
}

void SerialLink::setReopenHooks(std::function<void()> before, std::function<bool()> after) {
    beforeReopen_ = std::move(before);
    afterReopen_ = std::move(after);
}

void SerialLink::discardInput() {
    readStart_ = readEnd_ = 0;
}

bool SerialLink::nextByte(char& byte, unsigned long timeoutMs, int stopFd) {
    if (readStart_ < readEnd_) {
        byte = readBuffer_[readStart_++];
        return true;
    }
    if (!device_.isOpen()) {
        errno = EBADF;
        return false;
    }
    const std::size_t got = readWithin(device_.descriptor(), readBuffer_, sizeof readBuffer_,
                                       Deadline::afterMs(timeoutMs), stopFd);
    if (got == 0)
        return false;
    readStart_ = 1;
    readEnd_ = got;
    byte = readBuffer_[0];
    return true;
}

bool SerialLink::readReplyLine(std::string& line, std::size_t capacity, unsigned long timeoutMs,
                               int stopFd, const std::function<void()>& firstByte) {
    line.clear();
    bool started = false;
    while (line.size() + 1 < capacity) {
        char byte = 0;
        if (!nextByte(byte, timeoutMs, stopFd)) {
            int error = errno;
            discardInput();
            device_.purgeInput();
            errno = error;
            return false;
        }
        if (!started && firstByte)
            firstByte();
        started = true;
        if (byte == '\r' || (byte == '\t' && timings_.dropTabs))
            continue;
        if (byte == '\n')
            return true;
        line.push_back(byte);
    }
    return true;
}

} // namespace kanalo::serial
