#include "tools/legacy/legacy_command_line.h"

#include "tools/legacy/legacy_serial.h"

#include <charconv>

namespace kanalo::legacy {

namespace {

// The port value as a number; 0 when it is not a whole decimal number.
long portValue(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty())
        return 0;
    return value;
}

} // namespace

LegacyParseResult parseLegacyArguments(const std::vector<std::string_view>& arguments,
                                       bool takesS) {
    LegacyParseResult result;
    LegacyOptions& options = result.options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        std::string_view argument = arguments[index];
        if (!argument.starts_with('-')) {
            options.fileName = std::string(argument);
            break;
        }
        char letter = argument.size() > 1 ? argument[1] : '\0';
        if (letter == 'f') {
            options.baud = fastBaud;
        } else if (letter == 's' && takesS) {
            options.baud = standardBaud;
        } else if (letter == 'p') {
            long port = index + 1 < arguments.size() ? portValue(arguments[++index]) : 0;
            if (port < static_cast<long>(firstPort) || port > static_cast<long>(lastPort)) {
                result.error = std::to_string(port) + "is an invalid port number.\n";
                return result;
            }
            options.portNumber = static_cast<unsigned>(port);
        } else {
            result.error = std::string(argument) + " is an invalid option.\n";
            return result;
        }
    }
    result.accepted = true;
    return result;
}

} // namespace kanalo::legacy
