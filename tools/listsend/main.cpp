// listsend3: uploads a channel list file into the receiver.
#include "tools/listsend/list_line_reader.h"
#include "tools/listsend/list_upload.h"
#include "tools/listsend/reply_listener.h"
#include "tools/listsend/verdict_box.h"
#include "tools/seriallink/command_line.h"
#include "tools/seriallink/connect_handshake.h"
#include "tools/seriallink/protocol_words.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace kanalo::serial;
using namespace kanalo::send;

constexpr LinkTimings sendTimings{
    .writeTimeoutMs = 500,
    .handshakeReadMs = 20000,
    .baudAckReadMs = 1000,
    .reopenLimit = 4,
    .dropTabs = false,
};
constexpr unsigned long endMarkerWriteMs = 500;
constexpr unsigned long baudResetWriteMs = 2000;
constexpr std::chrono::milliseconds baudResetAnswerWait{1000};

void printUsage() {
    std::fputs("listsend3 V1.1 10/2000\n"
               "loads program list into satellite receiver via serial port.\n"
               "Usage:  listsend.exe [-p port] [-b baudrate] [-f] [-s] [-x] [-i] filename\n"
               "           -p port      serial port; 1=COM1,2=COM2,... (default COM1)\n"
               "           -b baudrate  baudrate for serial port (default 38400)\n"
               "           -f           forces to use 115200 baud (overrides option '-b')\n"
               "           -s           forces to use 38400 baud (overrides option '-b')\n"
               "           -x           try to set receiver' baudrate,s too. It is usable\n"
               "                        for Win95/Win98 First Release with lower baudrates\n"
               "                        (only supported by newer revisions)\n"
               "           -i           ignores start response string\n"
               "                        (no warranty for correct data)\n"
               "           -t           toggles horizontal and vertical polarisation\n"
               "           filename     file containing program list to upload\n",
               stdout);
}

void printSummary(const UploadOutcome& outcome) {
    std::printf("%60s\r", "");
    std::printf("Total:   %u\nAdded:   %u\nFailed:  %u\nUnknown: %u\n", outcome.counts.total,
                outcome.counts.added, outcome.counts.failed, outcome.counts.unknown);
    if (outcome.aborted)
        std::printf("error (0x%x): transfer aborted\n", static_cast<unsigned>(outcome.error));
    std::fflush(stdout);
}

int upload(SerialLink& link, std::FILE* file, const ToolOptions& options) {
    VerdictBox verdicts;
    ReplyListener listener(link, verdicts);
    if (!listener.start()) {
        std::fputs("no RX thread created - program aborted\n", stderr);
        link.close();
        return 1;
    }
    // A stalled byte reopens the port: the listener lets go of it first and returns after.
    link.setReopenHooks([&listener] { listener.stop(); }, [&listener] { return listener.start(); });

    ListLineReader lines(file, options.has('t'));
    UploadOutcome outcome = sendLines(link, lines, verdicts);
    link.writeTimed(sendEndOfList, endMarkerWriteMs);
    printSummary(outcome);
    if (options.switchReceiverBaud) {
        link.writeWithin(baudResetCommand, baudResetWriteMs);
        verdicts.waitFor(baudResetAnswerWait);
    }
    link.setReopenHooks({}, {});
    listener.stop();
    link.close();
    return outcome.aborted ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<ToolOptions> accepted = acceptToolArguments(argc, argv, "t", printUsage);
    if (!accepted)
        return 1;
    const ToolOptions& options = *accepted;
    std::FILE* file = options.hasFileName ? std::fopen(options.fileName.c_str(), "rb") : nullptr;
    struct stat status {};
    if (file && (::fstat(::fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        std::fputs("Error: unable to open file.\n", stderr);
        return 1;
    }
    SerialLink link(options.portNumber, options.baud, sendTimings);
    ConnectRequest request{
        .requestWord = sendRequest,
        .startMarker = sendStartMarker,
        .switchReceiverBaud = options.switchReceiverBaud,
        .ignoreResponse = options.ignoreResponse,
    };
    int exitCode = connectReceiver(link, request) ? upload(link, file, options) : 1;
    std::fclose(file);
    return exitCode;
}
