#pragma once

#include <chrono>

namespace kanalo::serial {

// A point on the monotonic clock by which an operation must be done. Wall-clock changes
// never stretch or shorten a time limit.
class Deadline {
public:
    using Clock = std::chrono::steady_clock;

    // A time limit of this many milliseconds means "no limit".
    static constexpr unsigned long noLimitMs = 0xFFFFFFFFUL;

    static Deadline afterMs(unsigned long ms);
    static Deadline never() { return Deadline(Clock::time_point::max()); }

    bool unlimited() const { return when_ == Clock::time_point::max(); }
    bool passed() const { return !unlimited() && Clock::now() >= when_; }

    // Milliseconds left, rounded up, for poll(); -1 when unlimited.
    int pollTimeoutMs() const;

private:
    explicit Deadline(Clock::time_point when) : when_(when) {}
    Clock::time_point when_;
};

// Waits until `fd` reports one of `events` or the deadline passes, retrying on EINTR.
// Returns the reported events, 0 on time-out, or -1 with errno set when poll() fails.
int waitForDescriptor(int fd, short events, const Deadline& deadline);

// Like waitForDescriptor, but also wakes when `stopFd` (when not -1) becomes readable; that
// case returns -1 with errno set to ECANCELED.
int waitForDescriptorOrStop(int fd, short events, const Deadline& deadline, int stopFd);

// Reads what has arrived, up to `capacity` bytes, waiting on poll() until the deadline or until
// `stopFd` (when not -1) becomes readable. Returns the count read; 0 with errno set when nothing
// was: ETIMEDOUT at the deadline, EIO when the other end hung up, EBADF for a closed
// descriptor, ECANCELED on stopFd.
std::size_t readWithin(int fd, char* buffer, std::size_t capacity, const Deadline& deadline,
                       int stopFd = -1);

// Sleeps for the given time on the monotonic clock, resuming after signals.
void pauseMs(unsigned ms);

} // namespace kanalo::serial
