#include "tools/legacy/legacy_session.h"

#include "tools/seriallink/port_device.h"

#include <cerrno>
#include <cstdio>

namespace kanalo::legacy {

bool openPort(LegacyPort& port, const LegacyOptions& options) {
    if (setupCom(port, options.portNumber, options.baud))
        return true;
    int error = errno;
    std::fprintf(stderr, "Inititialization of COM-port failed (Error: %d)\n", error);
    std::string hint = serial::openFailureHint(error, options.portNumber);
    if (!hint.empty())
        std::fprintf(stderr, "%s\n", hint.c_str());
    return false;
}

bool writeOrReport(LegacyPort& port, std::string_view bytes, unsigned portNumber) {
    if (WriteFileTO(port, bytes, writeLimitMs))
        return true;
    int error = errno;
    if (error == writeTimedOutError)
        std::fprintf(stderr, "Cannot connect Rondel1 over COM-port %u.\n", portNumber);
    else
        std::fprintf(stderr, "WriteFile error: %d\n", error);
    port.close();
    return false;
}

bool readOrReport(LegacyPort& port, std::string& line) {
    if (ReadLine(port, line))
        return true;
    std::fprintf(stderr, "ReadLine error: %d\n", errno);
    port.close();
    return false;
}

} // namespace kanalo::legacy
