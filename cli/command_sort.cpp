#include "cli/commands.h"
#include "core/channels/channel_file.h"
#include "core/listops/channel_order.h"

#include <memory>
#include <optional>

namespace kanalo::cli {

namespace {

std::optional<ColumnKind> parseKey(std::string_view word) {
    if (word == "name")
        return ColumnKind::Name;
    if (word == "sat")
        return ColumnKind::SatNumber;
    if (word == "freq")
        return ColumnKind::Frequency;
    if (word == "pol")
        return ColumnKind::Polarisation;
    return std::nullopt;
}

} // namespace

int runSort(const Arguments& args) {
    if (args.size() < 2)
        return usage();
    ListKind list = ListKind::Tv;
    std::optional<ColumnKind> key;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--radio") {
            list = ListKind::Radio;
        } else if (args[i] == "--key" && i + 1 < args.size()) {
            key = parseKey(args[++i]);
            if (!key)
                return usage();
        } else {
            return usage();
        }
    }
    if (!key)
        return usage();

    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;
    const ChannelList channels = table->list(list);
    rewriteInOrder(channels, sortedSlotOrder(channels, list, *key));
    return saveTable(args[1], *table, FileForm::Long);
}

} // namespace kanalo::cli
