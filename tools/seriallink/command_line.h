#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kanalo::serial {

// What the shared command line of the current transfer tools asked for.
struct ToolOptions {
    unsigned portNumber = 1;
    unsigned baud = 38400;
    bool switchReceiverBaud = false; // -x
    bool ignoreResponse = false;     // -i
    std::string toolLetters;         // tool-specific letters given, e.g. "l" or "t"
    std::string fileName;
    bool hasFileName = false;

    bool has(char letter) const { return toolLetters.find(letter) != std::string::npos; }
};

enum class ParseVerdict {
    Accepted,       // options parsed; open `fileName` if hasFileName
    ShowUsage,      // no arguments, malformed or unknown option, option as last argument
    InvalidPort,    // "invalid port"
    InvalidBaudrate // "invalid baudrate"
};

struct ParseResult {
    ParseVerdict verdict;
    ToolOptions options;
};

// Examines the arguments (without the program name) from the first. The first argument not
// beginning with "-" is the file name and ends the examination. `extraLetters` are the
// option letters the tool adds to the shared ones (p b f s x i); they take no value.
ParseResult parseToolArguments(const std::vector<std::string_view>& arguments,
                               std::string_view extraLetters);

// A whole decimal number greater than zero that fits `unsigned`; anything else is refused.
bool parsePositiveDecimal(std::string_view text, unsigned& value);

// The same for a tool's main(): prints the usage text, "invalid port" or "invalid baudrate"
// as the rules say; nothing returned means the tool ends with exit code 1.
std::optional<ToolOptions> acceptToolArguments(int argc, char** argv, std::string_view extraLetters,
                                               void (*printUsage)());

} // namespace kanalo::serial
