#include "tools/seriallink/connect_handshake.h"

#include "tools/seriallink/port_device.h"

#include <cerrno>
#include <cstdio>
#include <string>

namespace kanalo::serial {

namespace {

// The rate every receiver listens at before a baud command.
constexpr unsigned handshakeBaud = 115200;

// Sends the request and reads one answer line; true when the line carries the marker.
bool requestAnswered(SerialLink& link, const ConnectRequest& request, bool announce) {
    bool written = link.writeTimed(request.requestWord, link.timings().writeTimeoutMs);
    if (announce) {
        std::fputs("connecting...", stdout);
        std::fflush(stdout);
    }
    if (!written)
        return false;
    std::string answer;
    if (!link.readReplyLine(answer, replyLineCapacity, link.timings().handshakeReadMs))
        return false;
    return answer.find(request.startMarker) != std::string::npos;
}

void reportNoAnswer(SerialLink& link) {
    std::fputs("\rCan't connect to receiver (invalid response or timeout).\n", stderr);
    link.close();
}

} // namespace

void reportOpenFailure(const SerialLink& link, int error) {
    std::fprintf(stderr, "Inititialization of COM-port failed (Error: 0x%x)\n",
                 static_cast<unsigned>(error));
    std::string hint = openFailureHint(error, link.portNumber());
    if (!speedForBaud(link.chosenBaud()))
        hint = "The baud rate " + std::to_string(link.chosenBaud()) +
               " is not supported; use one of " + supportedBaudList() + ".";
    if (!hint.empty())
        std::fprintf(stderr, "%s\n", hint.c_str());
}

bool connectReceiver(SerialLink& link, const ConnectRequest& request) {
    // A rate the port cannot take is refused before anything reaches the receiver.
    if (!speedForBaud(link.chosenBaud())) {
        reportOpenFailure(link, EINVAL);
        return false;
    }
    if (!link.openComPort(handshakeBaud)) {
        reportOpenFailure(link, errno);
        return false;
    }

    if (request.switchReceiverBaud) {
        if (link.setReceiverBaud() == BaudSwitch::Failed) {
            std::fprintf(stderr, "\rCan't connect to receiver over serial port %u.\n",
                         link.portNumber());
            link.close();
            return false;
        }
    } else if (!link.setPortBaud(link.chosenBaud())) {
        // Only reachable when the device refuses a rate it took a moment ago.
        reportOpenFailure(link, errno);
        link.close();
        return false;
    }

    bool good = requestAnswered(link, request, true);
    if (!good && !request.ignoreResponse) {
        // After a baud command the receiver may still listen at the old rate: ask there once more.
        good = request.switchReceiverBaud && link.setPortBaud(handshakeBaud) &&
               requestAnswered(link, request, false);
        if (!good) {
            reportNoAnswer(link);
            return false;
        }
    }
    const char* suffix = request.ignoreResponse ? ", ignore response" : "";
    std::printf("\rreceiver connected, baudrate: %u%s\n", link.chosenBaud(), suffix);
    std::fflush(stdout);
    return true;
}

} // namespace kanalo::serial
