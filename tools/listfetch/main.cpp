// listfetch3: downloads the receiver's channel list into a file.
#include "tools/listfetch/list_download.h"
#include "tools/seriallink/command_line.h"
#include "tools/seriallink/connect_handshake.h"
#include "tools/seriallink/protocol_words.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

using namespace kanalo::serial;

constexpr LinkTimings fetchTimings{
    .writeTimeoutMs = 1000,
    .handshakeReadMs = 3000,
    .baudAckReadMs = 3000,
    .reopenLimit = 6,
    .dropTabs = true,
};

void printUsage() {
    std::fputs("listfetch3 V1.1 10/2000\n"
               "downloads program list from satellite receiver via serial port.\n"
               "Usage:  listfetch.exe [-p port] [-b baudrate] [-c] [-f] [-s] filename\n"
               "           -p port      serial port; 1=COM1,2=COM2,... (default COM1)\n"
               "           -b baudrate  baudrate for serial port (default 38400)\n"
               "           -f           forces to use 115200 baud (overrides option '-b')\n"
               "           -s           forces to use 38400 baud (overrides option '-b')\n"
               "           -x           try to set receiver' baudrate,s too. It is usable\n"
               "                        for Win95/Win98 First Release with lower baudrates\n"
               "                        (only supported by newer revisions)\n"
               "           -i           ignores start response string\n"
               "                        (no warranty for correct data)\n"
               "           filename     file where to store program list\n",
               stdout);
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<ToolOptions> accepted = acceptToolArguments(argc, argv, "l", printUsage);
    if (!accepted)
        return 1;
    const ToolOptions& options = *accepted;
    std::FILE* output = options.hasFileName ? std::fopen(options.fileName.c_str(), "wb") : nullptr;
    if (!output) {
        std::fputs("Error: unable to open file.\n", stderr);
        return 1;
    }

    SerialLink link(options.portNumber, options.baud, fetchTimings);
    ConnectRequest request{
        .requestWord = options.has('l') ? fetchListRequest : fetchRequest,
        .startMarker = fetchStartMarker,
        .switchReceiverBaud = options.switchReceiverBaud,
        .ignoreResponse = options.ignoreResponse,
    };
    int exitCode = 1;
    if (connectReceiver(link, request))
        exitCode = kanalo::fetch::receiveList(link, output, options.switchReceiverBaud);
    if (std::fclose(output) != 0 && exitCode == 0) {
        std::fputs("Error: unable to write file.\n", stderr);
        exitCode = 1;
    }
    return exitCode;
}
