// boxsim: a receiver on a pseudo-terminal, for trying and testing the transfer tools.
#include "tools/boxsim/box_options.h"
#include "tools/boxsim/box_protocol.h"
#include "tools/boxsim/box_server.h"
#include "tools/boxsim/pseudo_terminal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

using namespace kanalo::boxsim;

namespace {

bool readList(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad())
        return false;
    lines = splitListLines(content.str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    BoxOptions options;
    std::string error;
    if (!parseBoxOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "boxsim: %s\n%s", error.c_str(), boxUsage);
        return 2;
    }
    if (options.showHelp) {
        std::fputs(boxUsage, stdout);
        return 0;
    }
    if (!options.listPath.empty() && !readList(options.listPath, options.behaviour.list)) {
        std::fprintf(stderr, "boxsim: cannot read %s: %s\n", options.listPath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    PseudoTerminal terminal;
    if (!terminal.open()) {
        std::fprintf(stderr, "boxsim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    if (!options.linkPath.empty() && !terminal.linkAs(options.linkPath)) {
        std::fprintf(stderr, "boxsim: cannot link %s: %s\n", options.linkPath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", terminal.slavePath().c_str());
    std::fflush(stdout);

    BoxProtocol protocol(options.behaviour);
    BoxServer server(terminal, protocol, options.server);
    return server.run();
}
