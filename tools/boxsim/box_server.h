#pragma once

#include "tools/boxsim/box_protocol.h"
#include "tools/boxsim/pseudo_terminal.h"

#include <chrono>
#include <deque>
#include <optional>
#include <string>

namespace kanalo::boxsim {

struct ServerSettings {
    bool once = false;            // end after one transfer, once the tool lets go
    std::optional<unsigned> pace; // move bytes no faster than a wire at this rate
    std::string storePath;        // where accepted upload lines go
    std::string recordPath;       // every byte received, for tests
};

// Plays the protocol's actions out on the pseudo-terminal, in order and, when pacing, at the
// speed of a real wire (ten bits per byte). Survives the tool closing and reopening its end.
class BoxServer {
public:
    using Clock = std::chrono::steady_clock;

    BoxServer(PseudoTerminal& terminal, BoxProtocol& protocol, ServerSettings settings);
    // Serves until hung up, killed or (with `once`) done; returns the exit code.
    int run();

private:
    struct Pending {
        BoxAction action;
        Clock::time_point notBefore;
    };
    struct Arrival {
        char byte;
        Clock::time_point due;
    };

    bool readFromTool(Clock::time_point now);
    void feedDueBytes(Clock::time_point now);
    void queueActions(Clock::time_point at);
    // False once the line has been hung up.
    bool advanceOutput(Clock::time_point now);
    bool flushWrites();
    Clock::duration byteTime() const;
    Clock::time_point nextWake() const;
    void storeUpload() const;
    void record(const char* bytes, std::size_t count) const;

    PseudoTerminal& terminal_;
    BoxProtocol& protocol_;
    ServerSettings settings_;
    unsigned paceRate_ = 0;

    std::deque<Arrival> arrivals_;
    Clock::time_point inboundFreeAt_{};
    std::deque<Pending> pending_;
    std::string sending_;       // bytes of the Send action on the wire now
    std::size_t sendingAt_ = 0; // next byte of sending_ to put on the wire
    Clock::time_point nextByteAt_{};
    Clock::time_point outboundFreeAt_{};
    std::string unwritten_; // on the wire but not yet taken by the terminal
    bool toolPresent_ = false;
    bool transferDone_ = false;
    int recordFd_ = -1;
};

} // namespace kanalo::boxsim
