#include "core/transfer/transfer_plan.h"

namespace kanalo {

namespace {

std::vector<std::string> portArguments(BoxType boxType, int port) {
    std::vector<std::string> arguments{"-p", std::to_string(port)};
    if (boxType == BoxType::Lundra)
        arguments.push_back("-f");
    else if (boxType == BoxType::Pella1Plus)
        arguments.insert(arguments.end(), {"-b", "57600", "-x"});
    return arguments;
}

} // namespace

ToolInvocation downloadTool(ReceiverChoice receiver, int port) {
    return {receiver.boxType == BoxType::Pella1Plus ? "listfetch3" : "listfetch1",
            portArguments(receiver.boxType, port)};
}

ToolInvocation uploadTool(ReceiverChoice receiver, int port) {
    const BoxType box = receiver.boxType;
    const char* name = box == BoxType::Pella1Plus                              ? "listsend3"
                       : box == BoxType::Pella1Rondel && receiver.firmware < 2 ? "listsend1"
                                                                               : "listsend2";
    return {name, portArguments(box, port)};
}

ToolInvocation softwareUpdater(BoxType boxType, int port, const std::string& file) {
    const std::string portText = std::to_string(port);
    switch (boxType) {
    case BoxType::Lundra:
        return {"Update2", {"-p", portText, file}};
    case BoxType::Pella1Plus:
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
