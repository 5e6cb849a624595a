#pragma once

#include "tools/seriallink/port_device.h"

#include <cstddef>
#include <string>
#include <string_view>

// The serial routines of the older transfer tools: one synchronous port, whole-buffer writes
// with an overall time limit and line reads that wait at most a fixed time for each byte.
namespace kanalo::legacy {

// Error codes of our own making, left in errno like the system's.
inline constexpr int portOutOfRangeError = 0x20000000;
inline constexpr int readTimedOutError = 0x20000001;
inline constexpr int writeTimedOutError = 0x20000002;

inline constexpr unsigned firstPort = 1;
inline constexpr unsigned lastPort = 4;

// A silent receiver must not keep a tool (and the editor waiting for it) forever.
inline constexpr unsigned long readLineLimitMs = 20000;

// The received line buffer; a longer line arrives in pieces of lineBufferSize - 1 characters.
inline constexpr std::size_t lineBufferSize = 2048;

// The open port ("handle") of one tool run.
class LegacyPort {
public:
    bool isOpen() const { return device_.isOpen(); }
    int descriptor() const { return device_.descriptor(); }
    void close() { device_.close(); }

private:
    friend bool setupCom(LegacyPort& port, unsigned portNumber, unsigned baud);
    friend bool ReadLine(LegacyPort& port, std::string& line, unsigned long byteLimitMs);
    friend bool WriteFileTO(LegacyPort& port, std::string_view bytes, unsigned long timeoutMs);

    serial::PortDevice device_;
    // The last line read was cut at the buffer's end; its LF may still be on its way.
    bool lineCut_ = false;
};

// Opens port 1 to 4 (resolved like the current tools' ports) at `baud` and waits for the
// device to settle. False with errno set on failure (portOutOfRangeError for other numbers).
bool setupCom(LegacyPort& port, unsigned portNumber, unsigned baud);

// Writes all bytes and waits until they have left the port, within `timeoutMs` in all (0: no
// limit), so a pause that follows starts when the receiver has the bytes. False with errno set
// on failure, writeTimedOutError when the time ran out.
bool WriteFileTO(LegacyPort& port, std::string_view bytes, unsigned long timeoutMs);

// Reads one line; CR and LF at its end are removed. Waits at most `byteLimitMs` for each
// byte (readTimedOutError). A line too long for the buffer arrives in pieces.
bool ReadLine(LegacyPort& port, std::string& line, unsigned long byteLimitMs = readLineLimitMs);

// True when the text, up to its end or first LF, holds nothing but blanks and TABs.
bool isEmptyLine(std::string_view text);

} // namespace kanalo::legacy
