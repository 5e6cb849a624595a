#pragma once

#include "tools/seriallink/serial_link.h"

#include <cstdio>

namespace kanalo::fetch {

// Receives list lines after a completed handshake and stores each in `output` until the stop
// marker arrives; with `resetReceiverBaud` the receiver's rate is reset afterwards. Closes the
// port. Returns the exit code: 0 when the stop marker came, 1 on a read or write failure
// (every line received until then stays in the file) or when more lines came than any list
// has (the file is emptied then: it holds no list).
int receiveList(serial::SerialLink& link, std::FILE* output, bool resetReceiverBaud);

} // namespace kanalo::fetch
