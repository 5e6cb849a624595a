#include "cli/commands.h"
#include "cli/json_dump.h"

#include <memory>

namespace kanalo::cli {

int runDump(const Arguments& args) {
    if (args.size() != 1)
        return usage();
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;
    return writeToStdout(dumpChannelTable(*table));
}

} // namespace kanalo::cli
