#include "tools/seriallink/port_operations.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kanalo::serial {

namespace {

// How often the driver's queue is looked at while it empties.
constexpr unsigned queueCheckMs = 1;

void ignoreWake(int) {}

// The wake signal only has to interrupt tcdrain(): no SA_RESTART.
bool installWakeHandler() {
    struct sigaction action {};
    action.sa_handler = ignoreWake;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGALRM, &action, nullptr) == 0;
}

// tcdrain() waits for the transmitter (the UART's or adapter's own buffer, which the driver's
// queue count leaves out) without a limit, and flow control can hold it there for ever: a
// timer aimed at this thread interrupts it at the deadline.
DrainOutcome drainTransmitter(int fd, const Deadline& deadline) {
    int result = 0;
    if (deadline.unlimited()) {
        while ((result = ::tcdrain(fd)) != 0 && errno == EINTR) {
        }
        return result == 0 ? DrainOutcome::Drained : DrainOutcome::Failed;
    }
    static const bool wakeInstalled = installWakeHandler();
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = SIGALRM;
    event._sigev_un._tid = ::gettid();
    timer_t timer{};
    if (!wakeInstalled || ::timer_create(CLOCK_MONOTONIC, &event, &timer) != 0)
        return DrainOutcome::Failed;
    // A deadline already passed still gives the transmitter a moment.
    int ms = deadline.pollTimeoutMs() > 0 ? deadline.pollTimeoutMs() : 1;
    itimerspec wake{};
    wake.it_value.tv_sec = ms / 1000;
    wake.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    ::timer_settime(timer, 0, &wake, nullptr);
    while ((result = ::tcdrain(fd)) != 0 && errno == EINTR && !deadline.passed()) {
    }
    int error = errno;
    ::timer_delete(timer);
    if (result == 0)
        return DrainOutcome::Drained;
    errno = error == EINTR ? ETIMEDOUT : error;
    return error == EINTR ? DrainOutcome::TimedOut : DrainOutcome::Failed;
}

PortOperations systemOperations;
PortOperations* current = &systemOperations;

} // namespace

ssize_t PortOperations::write(int fd, const char* bytes, std::size_t length) {
    return ::write(fd, bytes, length);
}

DrainResult PortOperations::drain(int fd, const Deadline& deadline) {
    // Polling the queue rather than blocking keeps the deadline; it also says how much is left.
    int queued = 0;
    while (::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0) {
        if (deadline.passed()) {
            errno = ETIMEDOUT;
            return {DrainOutcome::TimedOut, static_cast<std::size_t>(queued)};
        }
        pauseMs(queueCheckMs);
    }
    return {drainTransmitter(fd, deadline)};
}

bool PortOperations::setSpeed(int fd, speed_t speed) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return false;
    if (::cfsetispeed(&settings, speed) != 0 || ::cfsetospeed(&settings, speed) != 0)
        return false;
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

PortOperations& portOperations() {
    return *current;
}

void setPortOperations(PortOperations* operations) {
    current = operations ? operations : &systemOperations;
}

} // namespace kanalo::serial
