#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kanalo::boxsim {

// How the simulated receiver behaves, including the faults tests ask for.
struct BoxBehaviour {
    std::vector<std::string> list;         // lines sent on download, without their LF
    unsigned fixedBaud = 0;                // the receiver's own rate; 0 follows the tool
    bool ignoreBaudCommand = false;        // an old receiver that knows no baud command
    std::string baudAnswer = "S_OK:";      // the acknowledgement of a baud command
    bool silent = false;                   // answers nothing at all
    bool noStartMarker = false;            // handshake answer without the start marker
    unsigned rejectTimes = 0;              // reject each uploaded line this often first
    bool rejectAll = false;                // reject every uploaded line
    unsigned verdictDelayMs = 0;           // delay of every verdict
    std::optional<unsigned> stopAfter;     // fall silent after this many lines
    std::optional<unsigned> hangUpAfter;   // close the line after this many lines
    bool garbage = false;                  // a line of binary noise between lines
    std::optional<std::size_t> longLine;   // an extra download line of this length
    std::string legacyAccept = "added!";   // accept word of the legacy upload
    std::optional<unsigned> timedOutAfter; // legacy: "Timed out!" after this many lines
};

} // namespace kanalo::boxsim
