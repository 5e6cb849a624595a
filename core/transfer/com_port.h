#pragma once

#include <string>

namespace kanalo {

// COM port n is the device named by the environment variable KANALO_COM<n>, or else
// /dev/ttyS<n-1>. The editor hands its port mapping to the tools through the variable.
inline std::string comPortVariable(unsigned port) {
    return "KANALO_COM" + std::to_string(port);
}
inline std::string defaultComDevice(unsigned port) {
    return "/dev/ttyS" + std::to_string(port - 1);
}

} // namespace kanalo
