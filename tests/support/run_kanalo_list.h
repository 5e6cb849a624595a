#pragma once

#include "tests/support/test_files.h"

#include <string>
#include <vector>

namespace kanalo::test {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built kanalo-list with the arguments (no shell), its output captured in files of
// the directory.
RunResult runKanaloList(const TempDir& dir, std::vector<std::string> args);

} // namespace kanalo::test
