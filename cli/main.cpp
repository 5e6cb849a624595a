// kanalo-list: batch work on channel list files from the command line.
#include "channels/channel_file.h"
#include "json_dump.h"

#include <cstdio>
#include <memory>
#include <optional>
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
    "\n"
    "  convert  reads the channel list file IN and saves it as OUT (default form: long);\n"
    "           an existing OUT is kept as its .bak backup unless one exists already\n"
    "  dump     prints one JSON object per channel, TV list first\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int fail(const char* message) {
    std::fprintf(stderr, "%s\n", message);
    return kExitFailure;
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
    const std::string text = dumpChannelTable(*table);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return fail("File write error.");
    return 0;
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
    return usage();
}
