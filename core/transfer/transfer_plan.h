#pragma once

#include "core/receiver.h"

#include <string>
#include <vector>

namespace kanalo {

// A program to start and its arguments; the transfer file is appended as the last argument.
struct ToolInvocation {
    std::string launchName;
    std::vector<std::string> arguments;

    friend bool operator==(const ToolInvocation&, const ToolInvocation&) = default;
};

// The transfer tool for the receiver: the Pella1/RONDEL uses the legacy tools (the upload
// variant follows the receiver software), the LUNDRA the legacy tools at 115200, the Pella1
// Plus the current tools with the receiver switched to 57600.
ToolInvocation downloadTool(ReceiverChoice receiver, int port);
ToolInvocation uploadTool(ReceiverChoice receiver, int port);

// The receiver software updater for the receiver type (the Pella1/RONDEL's for any other
// value), with the port and the chosen file.
ToolInvocation softwareUpdater(BoxType boxType, int port, const std::string& file);

// The capture file of a transfer file: the path with its last three characters replaced by
// "out" ("temp.dat" gives "temp.out").
std::string captureFilePath(const std::string& transferFile);

} // namespace kanalo
