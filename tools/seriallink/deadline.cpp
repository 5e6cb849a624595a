#include "tools/seriallink/deadline.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace kanalo::serial {

Deadline Deadline::afterMs(unsigned long ms) {
    if (ms >= noLimitMs)
        return never();
    return Deadline(Clock::now() + std::chrono::milliseconds(ms));
}

int Deadline::pollTimeoutMs() const {
    if (unlimited())
        return -1;
    auto left = when_ - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

int waitForDescriptor(int fd, short events, const Deadline& deadline) {
    return waitForDescriptorOrStop(fd, events, deadline, -1);
}

int waitForDescriptorOrStop(int fd, short events, const Deadline& deadline, int stopFd) {
    for (;;) {
        pollfd entries[2] = {{fd, events, 0}, {stopFd, POLLIN, 0}};
        int ready = ::poll(entries, stopFd < 0 ? 1 : 2, deadline.pollTimeoutMs());
        if (ready > 0) {
            if (stopFd >= 0 && entries[1].revents != 0) {
                errno = ECANCELED;
                return -1;
            }
            return entries[0].revents;
        }
        if (ready == 0) {
            // poll() may wake a little early on coarse clocks; only give up once truly late.
            if (deadline.passed())
                return 0;
            continue;
        }
        if (errno != EINTR)
            return -1;
    }
}

std::size_t readWithin(int fd, char* buffer, std::size_t capacity, const Deadline& deadline,
                       int stopFd) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, capacity);
        if (got > 0)
            return static_cast<std::size_t>(got);
        if (got == 0) {
            errno = EIO; // end of file on a terminal: the other end hung up
            return 0;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return 0;
        const int events = waitForDescriptorOrStop(fd, POLLIN, deadline, stopFd);
        if (events <= 0 || (events & POLLNVAL)) {
            errno = events == 0 ? ETIMEDOUT : events < 0 ? errno : EBADF;
            return 0;
        }
    }
}

void pauseMs(unsigned ms) {
    timespec wake{};
    clock_gettime(CLOCK_MONOTONIC, &wake);
    wake.tv_sec += ms / 1000;
    wake.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (wake.tv_nsec >= 1000000000L) {
        wake.tv_sec += 1;
        wake.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
    }
}

} // namespace kanalo::serial
