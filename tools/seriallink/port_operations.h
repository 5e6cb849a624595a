#pragma once

#include "tools/seriallink/deadline.h"

#include <cstddef>
#include <sys/types.h>
#include <termios.h>

namespace kanalo::serial {

enum class DrainOutcome { Drained, TimedOut, Failed };

struct DrainResult {
    DrainOutcome outcome;
    std::size_t waiting = 0; // bytes still queued in the driver when the time ran out
};

// The calls that put bytes on the wire, wait for them to leave and change the rate. A
// pseudo-terminal sends everything at once, so tests replace these to see in what order the
// tools make them. The base class makes the system calls.
class PortOperations {
public:
    virtual ~PortOperations() = default;

    virtual ssize_t write(int fd, const char* bytes, std::size_t length);
    // Returns once every byte written has left the port: the driver's queue and then the
    // transmitter. write() returns while the bytes still wait in the driver; changing the rate
    // or starting an answer's clock before they have gone garbles or misjudges them.
    virtual DrainResult drain(int fd, const Deadline& deadline);
    // Changes the rate only, keeping every other setting.
    virtual bool setSpeed(int fd, speed_t speed);
};

// The operations every port uses.
PortOperations& portOperations();
// Replaces them (nullptr: the system calls again). Only for tests, before any port is open.
void setPortOperations(PortOperations* operations);

} // namespace kanalo::serial
