#include "tools/listfetch/list_download.h"

#include "tools/seriallink/protocol_words.h"

#include <cerrno>
#include <string>
#include <unistd.h>

namespace kanalo::fetch {

namespace {

constexpr unsigned long lineReadTimeoutMs = 3000;
constexpr unsigned long baudResetWriteMs = 2000;

bool storeLine(std::FILE* output, const std::string& line) {
    return std::fwrite(line.data(), 1, line.size(), output) == line.size() &&
           std::fputc('\n', output) != EOF && std::fflush(output) == 0;
}

} // namespace

int receiveList(serial::SerialLink& link, std::FILE* output, bool resetReceiverBaud) {
    std::string line;
    unsigned stored = 0;
    for (;;) {
        if (!link.readReplyLine(line, serial::replyLineCapacity, lineReadTimeoutMs)) {
            std::fprintf(stderr, "timeout or read error: 0x%x\n", static_cast<unsigned>(errno));
            link.close();
            return 1;
        }
        if (line.find(serial::fetchStopMarker) != std::string::npos)
            break;
        if (stored == serial::maxListLines) {
            std::fputs(serial::tooManyLinesError, stderr);
            std::fflush(output);
            [[maybe_unused]] const int emptied = ::ftruncate(::fileno(output), 0);
            link.close();
            return 1;
        }
        // A full disk must not pass for a complete list.
        if (!storeLine(output, line)) {
            std::fputs("Error: unable to write file.\n", stderr);
            link.close();
            return 1;
        }
        ++stored;
        std::printf("[%3.3u]\r", stored);
        std::fflush(stdout);
    }
    if (resetReceiverBaud) {
        link.writeWithin(serial::baudResetCommand, baudResetWriteMs);
        link.readReplyLine(line, serial::replyLineCapacity, lineReadTimeoutMs);
    }
    link.close();
    return 0;
}

} // namespace kanalo::fetch
