#pragma once

#include "tools/boxsim/box_behaviour.h"
#include "tools/boxsim/box_server.h"

#include <string>
#include <vector>

namespace kanalo::boxsim {

struct BoxOptions {
    BoxBehaviour behaviour;
    ServerSettings server;
    std::string listPath;
    std::string linkPath;
    bool showHelp = false;
};

// Parses boxsim's arguments (without the program name). On a bad argument returns false with
// a message in `error`.
bool parseBoxOptions(const std::vector<std::string>& arguments, BoxOptions& options,
                     std::string& error);

// Splits a channel list file into lines without their LF (a CR before it is kept, as a real
// receiver may send one); a last line without LF counts too.
std::vector<std::string> splitListLines(const std::string& content);

extern const char* const boxUsage;

} // namespace kanalo::boxsim
