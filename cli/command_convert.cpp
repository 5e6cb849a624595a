#include "cli/commands.h"

#include <memory>

namespace kanalo::cli {

int runConvert(const Arguments& args) {
    const std::optional<FileForm> form = outputForm(args);
    if (!form)
        return usage();
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;
    return saveTable(args[1], *table, *form);
}

} // namespace kanalo::cli
