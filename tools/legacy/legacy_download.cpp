#include "tools/legacy/legacy_download.h"

#include "tools/legacy/legacy_session.h"
#include "tools/legacy/legacy_words.h"
#include "tools/seriallink/deadline.h"
#include "tools/seriallink/protocol_words.h"

#include <algorithm>
#include <unistd.h>

namespace kanalo::legacy {

namespace {

void removeControlCharacters(std::string& line) {
    std::erase_if(line, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

} // namespace

int runDownload(const LegacyOptions& options, std::FILE* output) {
    LegacyPort port;
    if (!openPort(port, options))
        return 1;
    if (!writeOrReport(port, fetchRequest, options.portNumber))
        return 1;
    serial::pauseMs(breathMs);

    // No start handshake: whatever comes before the start marker is list content too.
    std::string line;
    for (unsigned stored = 0;;) {
        if (!readOrReport(port, line))
            return 1;
        serial::pauseMs(breathMs);
        removeControlCharacters(line);
        bool stop = line.find(fetchStopMarker) != std::string::npos;
        if (!stop && line.find(fetchStartMarker) == std::string::npos) {
            if (stored++ == serial::maxListLines) {
                std::fputs(serial::tooManyLinesError, stderr);
                std::fflush(output);
                [[maybe_unused]] const int emptied = ::ftruncate(::fileno(output), 0);
                port.close();
                return 1;
            }
            std::fwrite(line.data(), 1, line.size(), output);
            std::fputc('\n', output);
        }
        if (stop)
            break;
    }
    port.close();
    if (std::fflush(output) != 0 || std::ferror(output)) {
        std::fputs("Error: unable to write file.\n", stderr);
        return 1;
    }
    return 0;
}

} // namespace kanalo::legacy
