#pragma once

#include "tools/legacy/legacy_command_line.h"
#include "tools/legacy/legacy_serial.h"

#include <string>
#include <string_view>

// The steps both older tools share, each printing its own failure message.
namespace kanalo::legacy {

// Every write of the older tools: request, list line, end of list.
inline constexpr unsigned long writeLimitMs = 1000;
// The short breath the receiver gets between operations.
inline constexpr unsigned breathMs = 1;

// setupCom with the options' port and rate.
bool openPort(LegacyPort& port, const LegacyOptions& options);
// WriteFileTO within writeLimitMs; on failure reports it and closes the port.
bool writeOrReport(LegacyPort& port, std::string_view bytes, unsigned portNumber);
// ReadLine; on failure reports it and closes the port.
bool readOrReport(LegacyPort& port, std::string& line);

} // namespace kanalo::legacy
