#include "tools/seriallink/command_line.h"

#include <charconv>
#include <cstdio>

namespace kanalo::serial {

namespace {

constexpr unsigned fastBaud = 115200;
constexpr unsigned standardBaud = 38400;

} // namespace

bool parsePositiveDecimal(std::string_view text, unsigned& value) {
    unsigned parsed = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, parsed);
    if (error != std::errc() || stop != end || parsed == 0)
        return false;
    value = parsed;
    return true;
}

ParseResult parseToolArguments(const std::vector<std::string_view>& arguments,
                               std::string_view extraLetters) {
    ParseResult result{ParseVerdict::ShowUsage, {}};
    if (arguments.empty())
        return result;
    ToolOptions& options = result.options;
    bool rateForced = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        std::string_view argument = arguments[index];
        if (!argument.starts_with('-')) {
            options.fileName = std::string(argument);
            options.hasFileName = true;
            break;
        }
        // There must always be a file name after an option.
        if (argument.size() != 2 || index + 1 == arguments.size())
            return result;
        char letter = argument[1];
        switch (letter) {
        case 'p':
            if (!parsePositiveDecimal(arguments[++index], options.portNumber))
                return {ParseVerdict::InvalidPort, options};
            break;
        case 'b': {
            unsigned baud = 0;
            if (!parsePositiveDecimal(arguments[++index], baud))
                return {ParseVerdict::InvalidBaudrate, options};
            if (!rateForced)
                options.baud = baud;
            break;
        }
        case 'f':
            options.baud = fastBaud;
            rateForced = true;
            break;
        case 's':
            options.baud = standardBaud;
            rateForced = true;
            break;
        case 'x':
            options.switchReceiverBaud = true;
            break;
        case 'i':
            options.ignoreResponse = true;
            break;
        default:
            if (extraLetters.find(letter) == std::string_view::npos)
                return result;
            if (!options.has(letter))
                options.toolLetters.push_back(letter);
            break;
        }
    }
    result.verdict = ParseVerdict::Accepted;
    return result;
}

std::optional<ToolOptions> acceptToolArguments(int argc, char** argv, std::string_view extraLetters,
                                               void (*printUsage)()) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    ParseResult parsed = parseToolArguments(arguments, extraLetters);
    switch (parsed.verdict) {
    case ParseVerdict::ShowUsage:
        printUsage();
        return std::nullopt;
    case ParseVerdict::InvalidPort:
        std::fputs("invalid port\n", stderr);
        return std::nullopt;
    case ParseVerdict::InvalidBaudrate:
        std::fputs("invalid baudrate\n", stderr);
        return std::nullopt;
    case ParseVerdict::Accepted:
        break;
    }
    return std::move(parsed.options);
}

} // namespace kanalo::serial
