#include "core/transfer/transfer_plan.h"

namespace kanalo {

namespace {

std::vector<std::string> portArguments(int boxType, int port) {
    std::vector<std::string> arguments{"-p", std::to_string(port)};
    if (boxType == 2)
        arguments.push_back("-f");
    else if (boxType == 3)
        arguments.insert(arguments.end(), {"-b", "57600", "-x"});
    return arguments;
}

} // namespace

ToolInvocation downloadTool(int boxType, int /*firmware*/, int port) {
    return {boxType == 3 ? "listfetch3" : "listfetch1", portArguments(boxType, port)};
}

ToolInvocation uploadTool(int boxType, int firmware, int port) {
    const char* name = boxType == 3                   ? "listsend3"
                       : boxType == 1 && firmware < 2 ? "listsend1"
                                                      : "listsend2";
    return {name, portArguments(boxType, port)};
}

ToolInvocation softwareUpdater(int boxType, int port, const std::string& file) {
    const std::string portText = std::to_string(port);
    switch (boxType) {
    case 2:
        return {"Update2", {"-p", portText, file}};
    case 3:
        return {"Update3", {"-p", portText, "-c", file}};
    default:
        return {"Update", {"-p", portText, file}};
    }
}

std::string captureFilePath(const std::string& transferFile) {
    const std::size_t keep = transferFile.size() >= 3 ? transferFile.size() - 3 : 0;
    return transferFile.substr(0, keep) + "out";
}

} // namespace kanalo
