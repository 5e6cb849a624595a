#include "tools/boxsim/pseudo_terminal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace kanalo::boxsim {

namespace {

struct SpeedName {
    speed_t speed;
    unsigned baud;
};

constexpr SpeedName speedNames[] = {
    {B1200, 1200},     {B2400, 2400},   {B4800, 4800},   {B9600, 9600},
    {B19200, 19200},   {B38400, 38400}, {B57600, 57600}, {B115200, 115200},
#ifdef B230400
    {B230400, 230400},
#endif
};

bool makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

PseudoTerminal::~PseudoTerminal() {
    hangUp();
    if (!linkPath_.empty())
        ::unlink(linkPath_.c_str());
}

bool PseudoTerminal::open() {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return false;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        ::close(master);
        return false;
    }
    const char* name = ::ptsname(master);
    if (!name) {
        ::close(master);
        return false;
    }
    slavePath_ = name;
    // Raw before anyone opens it, so nothing the receiver says is echoed back to it.
    int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0 || !makeRaw(slave) || !makeRaw(master)) {
        int error = errno;
        if (slave >= 0)
            ::close(slave);
        ::close(master);
        errno = error;
        return false;
    }
    ::close(slave);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    master_ = master;
    return true;
}

bool PseudoTerminal::linkAs(const std::string& linkPath) {
    std::string temporary = linkPath + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(slavePath_.c_str(), temporary.c_str()) != 0)
        return false;
    if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PseudoTerminal::hangUp() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

unsigned PseudoTerminal::toolBaud() const {
    termios settings{};
    // On a master, the terminal attributes are those of the slave end.
    if (master_ < 0 || ::tcgetattr(master_, &settings) != 0)
        return 0;
    speed_t speed = ::cfgetospeed(&settings);
    for (const auto& entry : speedNames)
        if (entry.speed == speed)
            return entry.baud;
    return 0;
}

} // namespace kanalo::boxsim
