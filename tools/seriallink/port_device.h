#pragma once

#include "tools/seriallink/port_operations.h"

#include <optional>
#include <string>
#include <termios.h>

namespace kanalo::serial {

// The termios speed for a baud rate, or nothing when the rate is not supported.
std::optional<speed_t> speedForBaud(unsigned baud);

// "9600, 19200, ..." for messages.
std::string supportedBaudList();

// The device path of port n: $KANALO_COM<n> when set, else /dev/ttyS<n-1>.
std::string portDevicePath(unsigned portNumber);

// A sentence explaining a failed open to the user, or "" when errno says enough.
std::string openFailureHint(int error, unsigned portNumber);

// One open serial device: raw 8N1, hardware flow control, no XON/XOFF, DTR raised, held
// exclusively (TIOCEXCL against other opens, flock against other cooperating programs).
// Failing operations return false and leave errno set.
class PortDevice {
public:
    PortDevice() = default;
    PortDevice(const PortDevice&) = delete;
    PortDevice& operator=(const PortDevice&) = delete;
    ~PortDevice() { close(); }

    bool open(const std::string& path, unsigned baud);
    // Lets queued output go out (for a bounded time), gives up exclusivity and closes.
    void close();
    // Drops whatever is queued in both directions first: for a port that is stuck.
    void purgeAndClose();
    bool isOpen() const { return fd_ >= 0; }
    int descriptor() const { return fd_; }

    // Writes what the driver takes now (non-blocking); the bytes may still wait in its queue.
    ssize_t write(const char* bytes, std::size_t length) {
        return portOperations().write(fd_, bytes, length);
    }
    // Waits until every byte written has left the port, at most until `deadline`.
    DrainResult drain(const Deadline& deadline) { return portOperations().drain(fd_, deadline); }
    // Changes the rate only, keeping every other setting. Bytes still queued would go out at
    // the new rate: drain first.
    bool setBaud(unsigned baud);
    // Succeeds when the device's current settings can be read (the port is still usable).
    bool readSettings() const;

    void purgeInput() const;
    void purgeOutput() const;

private:
    void release();

    int fd_ = -1;
};

} // namespace kanalo::serial
