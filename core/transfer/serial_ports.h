#pragma once

#include <string>
#include <vector>

namespace kanalo {

// The serial devices of this machine a COM port can be mapped to: the stable names under
// /dev/serial/by-id first, then /dev/ttyUSB*, /dev/ttyACM* and /dev/ttyS*, each group in
// natural order (ttyS2 before ttyS10). Missing folders give nothing.
std::vector<std::string> serialDeviceCandidates();
// The same below another device folder, for tests.
std::vector<std::string> serialDeviceCandidates(const std::string& deviceFolder);

// The device of COM port 1..4 (any other number counts as 1): the configured path with its
// surrounding blanks removed, or /dev/ttyS<port-1> when none is configured.
std::string portDevice(int port, const std::string& configured);

} // namespace kanalo
