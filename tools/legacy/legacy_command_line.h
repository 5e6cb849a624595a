#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kanalo::legacy {

inline constexpr unsigned standardBaud = 38400;
inline constexpr unsigned fastBaud = 115200;

struct LegacyOptions {
    unsigned portNumber = 1;
    unsigned baud = standardBaud;
    std::optional<std::string> fileName; // standard input or output when absent
};

struct LegacyParseResult {
    bool accepted = false;
    LegacyOptions options;
    std::string error; // the complete message for standard error when refused
};

// [options] [filename]: -f, -p n and (when `takesS`) -s. Only the letter after "-" counts;
// the first argument not beginning with "-" is the file name and ends the examination.
LegacyParseResult parseLegacyArguments(const std::vector<std::string_view>& arguments, bool takesS);

} // namespace kanalo::legacy
