#include "cli/commands.h"
#include "core/compare/update_comparison.h"

#include <memory>
#include <string>

namespace kanalo::cli {

int runDiff(const Arguments& args) {
    if (args.size() < 2)
        return usage();
    ListKind list = ListKind::Tv;
    bool ignoreNames = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--radio")
            list = ListKind::Radio;
        else if (args[i] == "--ignore-names")
            ignoreNames = true;
        else
            return usage();
    }
    auto main = std::make_unique<ChannelTable>();
    auto update = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *main))
        return failed;
    if (const int failed = loadTable(args[1], *update))
        return failed;

    std::string text;
    for (const int slot : markUpdateDifferences(main->list(list), update->list(list), ignoreNames))
        text += std::to_string(slot + 1) + '\n';
    text += "--\n";
    const std::vector<bool> deleted = deletedFromUpdate(main->list(list), update->list(list));
    for (std::size_t slot = 0; slot < deleted.size(); ++slot)
        if (deleted[slot])
            text += std::to_string(slot + 1) + '\n';
    return writeToStdout(text);
}

} // namespace kanalo::cli
