#pragma once

#include <string>
#include <vector>

namespace kanalo {

// A program to start and its arguments; the transfer file is appended as the last argument.
struct ToolInvocation {
    std::string launchName;
    std::vector<std::string> arguments;

    friend bool operator==(const ToolInvocation&, const ToolInvocation&) = default;
};

// The transfer tool for the receiver type: box type 1 uses the legacy tools (the upload
// variant follows the receiver software), box type 2 the legacy tools at 115200, box type 3
// the current tools with the receiver switched to 57600.
ToolInvocation downloadTool(int boxType, int firmware, int port);
ToolInvocation uploadTool(int boxType, int firmware, int port);

// The receiver software updater for the box type (box type 1 for any other value), with the
// port and the chosen file.
ToolInvocation softwareUpdater(int boxType, int port, const std::string& file);

// The capture file of a transfer file: the path with its last three characters replaced by
// "out" ("temp.dat" gives "temp.out").
std::string captureFilePath(const std::string& transferFile);

} // namespace kanalo
