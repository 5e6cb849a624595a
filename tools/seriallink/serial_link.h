#pragma once

#include "tools/seriallink/port_device.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kanalo::serial {

// The per-tool values of the link.
struct LinkTimings {
    unsigned long writeTimeoutMs;  // per byte: request words, baud command, list lines
    unsigned long handshakeReadMs; // per character of the handshake answer
    unsigned long baudAckReadMs;   // per character of the baud command's acknowledgement
    unsigned reopenLimit;          // byte time-outs in a row (each reopening the port)
    bool dropTabs;                 // whether TAB characters are removed from reply lines
};

enum class BaudSwitch { Acknowledged, NotAcknowledged, Failed };

// The reply line buffer size; a longer line arrives in pieces of replyLineCapacity - 1.
inline constexpr std::size_t replyLineCapacity = 2048;

// The serial state of one tool run: the port, its number and the chosen rate. Failing
// operations return false (or BaudSwitch::Failed) and leave errno set to the cause.
class SerialLink {
public:
    SerialLink(unsigned portNumber, unsigned chosenBaud, LinkTimings timings);

    unsigned portNumber() const { return portNumber_; }
    unsigned chosenBaud() const { return chosenBaud_; }
    const LinkTimings& timings() const { return timings_; }
    bool isOpen() const { return device_.isOpen(); }

    // Closes an open port, pauses 500 ms, then opens and configures the port at `baud`.
    bool openComPort(unsigned baud);
    void close();
    bool setPortBaud(unsigned baud);
    // Drops bytes queued for sending but not yet on the wire.
    void purgeOutput() { device_.purgeOutput(); }

    // Sends the baud command at the present rate, switches to the chosen rate and reads
    // the acknowledgement. Only Failed is fatal: many receivers never acknowledge.
    BaudSwitch setReceiverBaud();

    // Writes one byte per operation, each within `timeoutMs`, and returns once they have all
    // left the port (the queue must lose a byte within `timeoutMs`), so a rate change or an
    // answer's clock that follows does not overtake them. A byte time-out reopens the port at
    // the chosen rate and sends again what did not go out; after `reopenLimit` such reopens in
    // a row the write fails. Deadline::noLimitMs means no limit.
    bool writeTimed(std::string_view bytes, unsigned long timeoutMs);

    // Writes within an overall time limit, the bytes' leaving the port included, without
    // reopening the port on a stall.
    bool writeWithin(std::string_view bytes, unsigned long totalMs);

    // Reads one reply line, waiting at most `timeoutMs` for each character. CR is skipped,
    // LF ends the line (not stored), TAB is skipped when the timings say so. At most
    // `capacity - 1` characters are stored; the rest of a longer line comes with the next call.
    // When `stopFd` becomes readable the read gives up with errno ECANCELED. `firstByte`, when
    // given, is called as the line's first character comes.
    bool readReplyLine(std::string& line, std::size_t capacity, unsigned long timeoutMs,
                       int stopFd = -1, const std::function<void()>& firstByte = {});

    // Called around the reopen inside writeTimed, so a reader thread can let go of the port
    // and come back on the new one. A false result from `after` fails the write.
    void setReopenHooks(std::function<void()> before, std::function<bool()> after);

private:
    bool reopenAfterStall();
    bool nextByte(char& byte, unsigned long timeoutMs, int stopFd);
    void discardInput();

    PortDevice device_;
    unsigned portNumber_;
    unsigned chosenBaud_;
    LinkTimings timings_;
    std::function<void()> beforeReopen_;
    std::function<bool()> afterReopen_;

    // Bytes read from the device but not yet taken; only the reading thread touches these.
    char readBuffer_[256];
    std::size_t readStart_ = 0;
    std::size_t readEnd_ = 0;
};

} // namespace kanalo::serial
