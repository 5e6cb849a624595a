#pragma once

#include "tools/legacy/legacy_command_line.h"

#include <cstdio>

namespace kanalo::legacy {

// Asks for the receiver's list and writes every line that is not a marker line to `output`
// until the stop marker arrives. Returns the exit code.
int runDownload(const LegacyOptions& options, std::FILE* output);

} // namespace kanalo::legacy
