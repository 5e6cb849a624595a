#include "tools/seriallink/port_device.h"

#include "core/transfer/com_port.h"
#include "tools/seriallink/deadline.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

namespace kanalo::serial {

namespace {

struct RateEntry {
    unsigned baud;
    speed_t speed;
};

constexpr std::array rateTable{
    RateEntry{1200, B1200},     RateEntry{2400, B2400},     RateEntry{4800, B4800},
    RateEntry{9600, B9600},     RateEntry{19200, B19200},   RateEntry{38400, B38400},
    RateEntry{57600, B57600},   RateEntry{115200, B115200},
#ifdef B230400
    RateEntry{230400, B230400},
#endif
};

void applyWireSettings(termios& settings) {
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                               ICRNL | IXON | IXOFF | IXANY | INPCK);
    settings.c_iflag |= IGNPAR;
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    // CLOCAL: a cable without carrier detect must not hang up the line.
    settings.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
    // VMIN 1: with O_NONBLOCK an empty queue reads as EAGAIN and 0 bytes means hang-up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
}

// Pseudo-terminals and some adapters have no modem lines; that is not an error.
void raiseDtr(int fd) {
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)::ioctl(fd, TIOCMBIS, &lines);
}

// Closes a half-opened device and reports the failure that made us give up on it.
bool failClosing(int fd) {
    int error = errno;
    ::close(fd);
    errno = error;
    return false;
}

} // namespace

std::optional<speed_t> speedForBaud(unsigned baud) {
    for (const auto& entry : rateTable)
        if (entry.baud == baud)
            return entry.speed;
    return std::nullopt;
}

std::string supportedBaudList() {
    std::string list;
    for (const auto& entry : rateTable) {
        if (!list.empty())
            list += ", ";
        list += std::to_string(entry.baud);
    }
    return list;
}

std::string portDevicePath(unsigned portNumber) {
    const std::string variable = comPortVariable(portNumber);
    if (const char* configured = std::getenv(variable.c_str()); configured && *configured)
        return configured;
    return defaultComDevice(portNumber);
}

std::string openFailureHint(int error, unsigned portNumber) {
    std::string path = portDevicePath(portNumber);
    switch (error) {
    case EACCES:
    case EPERM:
        return "Permission denied on " + path +
               ": add your user to the 'dialout' group and log in again.";
    case EBUSY:
        return "The port " + path +
               " is busy: another program (a transfer tool, a modem manager) is using it.";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "No serial device at " + path + " (set " + comPortVariable(portNumber) +
               " to the port's path).";
    case ENOTTY:
        return path + " is not a serial port.";
    default:
        return "";
    }
}

bool PortDevice::open(const std::string& path, unsigned baud) {
    purgeAndClose();
    auto speed = speedForBaud(baud);
    if (!speed) {
        errno = EINVAL;
        return false;
    }
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            errno = EBUSY;
        return failClosing(fd);
    }
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return failClosing(fd);
    applyWireSettings(settings);
    if (::cfsetispeed(&settings, *speed) != 0 || ::cfsetospeed(&settings, *speed) != 0 ||
        ::tcsetattr(fd, TCSANOW, &settings) != 0)
        return failClosing(fd);
    if (::ioctl(fd, TIOCEXCL) != 0)
        return failClosing(fd);
    raiseDtr(fd);
    ::tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    return true;
}

void PortDevice::close() {
    if (fd_ < 0)
        return;
    // The last bytes (end marker, rate reset) must reach the receiver, but a port held up by
    // flow control must not keep the tool from ending.
    constexpr int drainChecks = 100;
    for (int check = 0; check < drainChecks; ++check) {
        int queued = 0;
        if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued <= 0)
            break;
        pauseMs(10);
    }
    release();
}

void PortDevice::purgeAndClose() {
    if (fd_ < 0)
        return;
    ::tcflush(fd_, TCIOFLUSH);
    release();
}

void PortDevice::release() {
    int error = errno;
    // The exclusive flag outlives our descriptor on some devices; clear it for the next user.
    (void)::ioctl(fd_, TIOCNXCL);
    ::close(std::exchange(fd_, -1));
    errno = error;
}

bool PortDevice::setBaud(unsigned baud) {
    auto speed = speedForBaud(baud);
    if (!speed) {
        errno = EINVAL;
        return false;
    }
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    return portOperations().setSpeed(fd_, *speed);
}

bool PortDevice::readSettings() const {
    termios settings{};
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    return ::tcgetattr(fd_, &settings) == 0;
}

void PortDevice::purgeInput() const {
    if (fd_ >= 0)
        ::tcflush(fd_, TCIFLUSH);
}

void PortDevice::purgeOutput() const {
    if (fd_ >= 0)
        ::tcflush(fd_, TCOFLUSH);
}

} // namespace kanalo::serial
