#include "cli/commands.h"
#include "core/channels/windows1252.h"
#include "core/listops/duplicates.h"

#include <memory>
#include <string>

namespace kanalo::cli {

int runDuplicates(const Arguments& args) {
    if (args.empty())
        return usage();
    ListKind list = ListKind::Tv;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--radio")
            list = ListKind::Radio;
        else
            return usage();
    }
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;

    const ConstChannelList channels = table->list(list);
    std::string text;
    for (const DuplicateLine& line : findDuplicates(channels, list))
        text += duplicateLineText(channels[static_cast<std::size_t>(line.slot)], line.slot, list,
                                  line.head) +
                '\n';
    return writeToStdout(windows1252ToUtf8(text));
}

} // namespace kanalo::cli
