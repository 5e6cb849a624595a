#include "cli/commands.h"
#include "core/listops/apply_order.h"
#include "core/listops/order_reference_reader.h"

#include <memory>

namespace kanalo::cli {

int runApplyOrder(const Arguments& args) {
    if (args.size() < 3)
        return usage();
    OrderedLists lists = OrderedLists::Both;
    UnmatchedChannels unmatched = UnmatchedChannels::PlaceAfter;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--tv" && lists == OrderedLists::Both)
            lists = OrderedLists::Tv;
        else if (args[i] == "--radio" && lists == OrderedLists::Both)
            lists = OrderedLists::Radio;
        else if (args[i] == "--remove-unmatched" && unmatched == UnmatchedChannels::PlaceAfter)
            unmatched = UnmatchedChannels::Remove;
        else
            return usage();
    }

    OrderReference reference;
    if (const DvbReadStatus status = readOrderReferenceFile(std::string(args[0]), reference);
        status != DvbReadStatus::Ok)
        return fail(statusMessage(status));
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[1], *table))
        return failed;
    const ApplyOrderSummary summary = applyReferenceOrder(*table, reference, lists, unmatched);
    if (const int failed = saveTable(args[2], *table, FileForm::Long))
        return failed;
    return writeToStdout(applyOrderSummaryText(summary) + "\n");
}

} // namespace kanalo::cli
