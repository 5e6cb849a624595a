#include "cli/commands.h"
#include "core/channels/windows1252.h"
#include "core/format/print_line.h"

#include <charconv>
#include <memory>
#include <optional>
#include <sstream>

namespace kanalo::cli {

namespace {

std::optional<int> parseMask(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

int runPrint(const Arguments& args) {
    if (args.empty())
        return usage();
    ListKind list = ListKind::Tv;
    int mask = 0;
    PidRadix radix = PidRadix::Decimal;
    bool german = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--radio") {
            list = ListKind::Radio;
        } else if (args[i] == "--hex") {
            radix = PidRadix::Hex;
        } else if (args[i] == "--german") {
            german = true;
        } else if (args[i] == "--columns" && i + 1 < args.size()) {
            const auto parsed = parseMask(args[++i]);
            if (!parsed)
                return usage();
            mask = *parsed;
        } else {
            return usage();
        }
    }
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;

    const PrintLineFormatter formatter(ColumnSet::fromMask(mask), radix, german);
    std::ostringstream text;
    formatter.formatPrintLine(&text, kHeaderWithRule, nullptr, SlotKind::Free);
    const ConstChannelList channels = table->list(list);
    for (std::size_t slot = 0; slot < channels.size(); ++slot)
        if (!channels[slot].isFree())
            formatter.formatPrintLine(&text, static_cast<int>(slot), &channels[slot],
                                      slotKind(channels[slot], list));
    return writeToStdout(windows1252ToUtf8(text.str()));
}

} // namespace kanalo::cli
