#include "tools/boxsim/box_options.h"

#include <charconv>

namespace kanalo::boxsim {

const char* const boxUsage =
    "Usage: boxsim [options]\n"
    "Plays the receiver on a pseudo-terminal; prints the terminal's path on the first line.\n"
    "  --link PATH            also make PATH a symlink to the terminal\n"
    "  --list FILE            channel list sent on download\n"
    "  --store FILE           where uploaded lines go when the upload ends\n"
    "  --record FILE          every byte received from the tool\n"
    "  --once                 end after one transfer\n"
    "  --pace BAUD            move bytes no faster than a wire at BAUD (10 bits a byte)\n"
    "  --baud RATE            the receiver's own rate: requests at another rate are garbled\n"
    "  --ignore-baud          do not understand baud commands\n"
    "  --baud-answer TEXT     answer to a baud command (default S_OK:)\n"
    "  --silent               answer nothing\n"
    "  --no-start-marker      answer the request without the start marker\n"
    "  --reject N             reject each uploaded line N times before accepting it\n"
    "  --reject-all           reject every uploaded line\n"
    "  --verdict-delay MS     answer each uploaded line MS milliseconds late\n"
    "  --stop-after N         fall silent after N list lines\n"
    "  --hangup-after N       hang up after N list lines\n"
    "  --garbage              a line of binary noise between lines\n"
    "  --long-line N          send an extra first list line of N characters\n"
    "  --legacy-accept WORD   accept word of the legacy upload (Added! or added!)\n"
    "  --timed-out-after N    legacy upload: answer \"Timed out!\" after N lines\n";

namespace {

bool toNumber(const std::string& text, unsigned& value) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

} // namespace

std::vector<std::string> splitListLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool parseBoxOptions(const std::vector<std::string>& arguments, BoxOptions& options,
                     std::string& error) {
    BoxBehaviour& box = options.behaviour;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& name = arguments[index];
        auto text = [&](std::string& target) {
            if (index + 1 >= arguments.size()) {
                error = name + " needs a value";
                return false;
            }
            target = arguments[++index];
            return true;
        };
        auto number = [&](unsigned& target) {
            std::string value;
            if (!text(value))
                return false;
            if (!toNumber(value, target)) {
                error = name + " needs a number, not \"" + value + "\"";
                return false;
            }
            return true;
        };
        auto optionalNumber = [&](auto& target) {
            unsigned value = 0;
            if (!number(value))
                return false;
            target = value;
            return true;
        };

        bool ok = true;
        if (name == "--help" || name == "-h")
            options.showHelp = true;
        else if (name == "--link")
            ok = text(options.linkPath);
        else if (name == "--list")
            ok = text(options.listPath);
        else if (name == "--store")
            ok = text(options.server.storePath);
        else if (name == "--record")
            ok = text(options.server.recordPath);
        else if (name == "--once")
            options.server.once = true;
        else if (name == "--pace") {
            ok = optionalNumber(options.server.pace);
            if (ok && *options.server.pace == 0) {
                error = "--pace needs a rate above 0";
                ok = false;
            }
        } else if (name == "--baud")
            ok = number(box.fixedBaud);
        else if (name == "--ignore-baud")
            box.ignoreBaudCommand = true;
        else if (name == "--baud-answer")
            ok = text(box.baudAnswer);
        else if (name == "--silent")
            box.silent = true;
        else if (name == "--no-start-marker")
            box.noStartMarker = true;
        else if (name == "--reject")
            ok = number(box.rejectTimes);
        else if (name == "--reject-all")
            box.rejectAll = true;
        else if (name == "--verdict-delay")
            ok = number(box.verdictDelayMs);
        else if (name == "--stop-after")
            ok = optionalNumber(box.stopAfter);
        else if (name == "--hangup-after")
            ok = optionalNumber(box.hangUpAfter);
        else if (name == "--garbage")
            box.garbage = true;
        else if (name == "--long-line")
            ok = optionalNumber(box.longLine);
        else if (name == "--legacy-accept")
            ok = text(box.legacyAccept);
        else if (name == "--timed-out-after")
            ok = optionalNumber(box.timedOutAfter);
        else {
            error = "unknown option " + name;
            ok = false;
        }
        if (!ok)
            return false;
    }
    return true;
}

} // namespace kanalo::boxsim
