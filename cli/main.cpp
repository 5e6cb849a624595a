// kanalo-list: batch work on channel list files from the command line.
#include "channels/channel_file.h"
#include "channels/windows1252.h"
#include "json_dump.h"
#include "view/print_line.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kanalo;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "Usage: kanalo-list convert IN OUT [--form short|long]\n"
    "       kanalo-list dump IN\n"
    "       kanalo-list print IN [--radio] [--columns MASK] [--hex] [--german]\n"
    "\n"
    "  convert  reads the channel list file IN and saves it as OUT (default form: long);\n"
    "           an existing OUT is kept as its .bak backup unless one exists already\n"
    "  dump     prints one JSON object per channel, TV list first\n"
    "  print    prints the TV (or Radio) list as the printer does: a header, a rule and one\n"
    "           line per channel; MASK selects the columns (bit k = column k, decimal or\n"
    "           0x hexadecimal, 0 = all), --hex shows PIDs in hexadecimal, --german uses\n"
    "           the German headings\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int fail(const char* message) {
    std::fprintf(stderr, "%s\n", message);
    return kExitFailure;
}

int writeToStdout(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return fail("File write error.");
    return 0;
}

std::optional<FileForm> parseForm(std::string_view word) {
    if (word == "short")
        return FileForm::Short;
    if (word == "long")
        return FileForm::Long;
    return std::nullopt;
}

int runConvert(const std::vector<std::string_view>& args) {
    if (args.size() != 2 && args.size() != 4)
        return usage();
    FileForm form = FileForm::Long;
    if (args.size() == 4) {
        const auto chosen = args[2] == "--form" ? parseForm(args[3]) : std::nullopt;
        if (!chosen)
            return usage();
        form = *chosen;
    }
    auto table = std::make_unique<ChannelTable>();
    if (const LoadStatus status = loadChannelFile(std::string(args[0]), *table);
        status != LoadStatus::Ok)
        return fail(statusMessage(status));
    if (const SaveStatus status = saveChannelFile(std::string(args[1]), *table, form);
        status != SaveStatus::Ok)
        return fail(statusMessage(status));
    return 0;
}

int runDump(const std::vector<std::string_view>& args) {
    if (args.size() != 1)
        return usage();
    auto table = std::make_unique<ChannelTable>();
    if (const LoadStatus status = loadChannelFile(std::string(args[0]), *table);
        status != LoadStatus::Ok)
        return fail(statusMessage(status));
    return writeToStdout(dumpChannelTable(*table));
}

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

int runPrint(const std::vector<std::string_view>& args) {
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
    if (const LoadStatus status = loadChannelFile(std::string(args[0]), *table);
        status != LoadStatus::Ok)
        return fail(statusMessage(status));

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

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::string_view command = argv[1];
    if (argc == 2 && (command == "--help" || command == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    if (command == "convert")
        return runConvert(args);
    if (command == "dump")
        return runDump(args);
    if (command == "print")
        return runPrint(args);
    return usage();
}
