#pragma once

#include "tools/seriallink/serial_link.h"

#include <string_view>

namespace kanalo::serial {

struct ConnectRequest {
    std::string_view requestWord;
    std::string_view startMarker;
    bool switchReceiverBaud; // -x
    bool ignoreResponse;     // -i
};

// The handshake that opens every transfer: opens the port, optionally switches the
// receiver's rate, sends the request word and waits for the start marker. Prints the
// progress and failure messages itself. On failure the port is closed and false returned;
// the tool then ends with exit code 1.
bool connectReceiver(SerialLink& link, const ConnectRequest& request);

// Prints the failure to open the port, with errno in hexadecimal and a hint for the user.
void reportOpenFailure(const SerialLink& link, int error);

} // namespace kanalo::serial
