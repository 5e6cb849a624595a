#include "tools/legacy/legacy_serial.h"

#include "tools/seriallink/deadline.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace kanalo::legacy {

namespace {

// The device needs a moment after opening before the receiver hears it reliably.
constexpr unsigned settlePauseMs = 300;

// Waits for `events` on the port; false with errno set when the deadline passes first.
bool waitFor(int fd, short events, const serial::Deadline& deadline, int timeoutError) {
    int ready = serial::waitForDescriptor(fd, events, deadline);
    if (ready < 0)
        return false;
    if (ready == 0) {
        errno = timeoutError;
        return false;
    }
    if (ready & POLLNVAL) {
        errno = EBADF;
        return false;
    }
    // Readable or writable, or an error or hang-up that the next call reports.
    return true;
}

// One byte, waiting on poll() rather than spinning on reads that return at once.
bool readByte(int fd, char& byte, unsigned long byteLimitMs) {
    if (serial::readWithin(fd, &byte, 1, serial::Deadline::afterMs(byteLimitMs)) == 1)
        return true;
    if (errno == ETIMEDOUT)
        errno = readTimedOutError;
    return false;
}

void trimLineEnd(std::string& line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
}

} // namespace

bool setupCom(LegacyPort& port, unsigned portNumber, unsigned baud) {
    port.device_.close();
    port.lineCut_ = false;
    if (portNumber < firstPort || portNumber > lastPort) {
        errno = portOutOfRangeError;
        return false;
    }
    if (!port.device_.open(serial::portDevicePath(portNumber), baud))
        return false;
    serial::pauseMs(settlePauseMs);
    return true;
}

bool WriteFileTO(LegacyPort& port, std::string_view bytes, unsigned long timeoutMs) {
    if (!port.isOpen()) {
        errno = EBADF;
        return false;
    }
    serial::Deadline deadline =
        timeoutMs == 0 ? serial::Deadline::never() : serial::Deadline::afterMs(timeoutMs);
    int fd = port.descriptor();
    while (!bytes.empty()) {
        ssize_t written = port.device_.write(bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        if (!waitFor(fd, POLLOUT, deadline, writeTimedOutError))
            return false;
    }
    switch (port.device_.drain(deadline).outcome) {
    case serial::DrainOutcome::Drained:
        return true;
    case serial::DrainOutcome::TimedOut:
        errno = writeTimedOutError;
        return false;
    case serial::DrainOutcome::Failed:
        return false;
    }
    return false;
}

bool ReadLine(LegacyPort& port, std::string& line, unsigned long byteLimitMs) {
    if (!port.isOpen()) {
        errno = EBADF;
        return false;
    }
    for (;;) {
        line.clear();
        bool ended = false;
        while (!ended && line.size() + 1 < lineBufferSize) {
            char byte = 0;
            if (!readByte(port.descriptor(), byte, byteLimitMs))
                return false;
            line.push_back(byte);
            ended = byte == '\n';
        }
        bool continuesCutLine = port.lineCut_;
        port.lineCut_ = !ended;
        trimLineEnd(line);
        // Only the line end of a line that filled the buffer: it ends that line, not a new one.
        if (continuesCutLine && ended && line.empty())
            continue;
        return true;
    }
}

bool isEmptyLine(std::string_view text) {
    for (char c : text) {
        if (c == '\n')
            return true;
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

} // namespace kanalo::legacy
