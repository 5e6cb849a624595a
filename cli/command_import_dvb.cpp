#include "channels/channel_file.h"
#include "commands.h"
#include "ops/dvb_import.h"

#include <memory>
#include <optional>

namespace kanalo::cli {

namespace {

std::optional<FileForm> parseForm(std::string_view word) {
    if (word == "short")
        return FileForm::Short;
    if (word == "long")
        return FileForm::Long;
    return std::nullopt;
}

} // namespace

int runImportDvb(const Arguments& args) {
    if (args.size() != 2 && args.size() != 4)
        return usage();
    FileForm form = FileForm::Long;
    if (args.size() == 4) {
        const auto chosen = args[2] == "--form" ? parseForm(args[3]) : std::nullopt;
        if (!chosen)
            return usage();
        form = *chosen;
    }
    std::string bytes;
    if (const DvbReadStatus status = readDvbFile(std::string(args[0]), bytes);
        status != DvbReadStatus::Ok)
        return fail(statusMessage(status));
    auto table = std::make_unique<ChannelTable>();
    importDvbRecords(bytes, *table);
    if (const SaveStatus status = saveChannelFile(std::string(args[1]), *table, form);
        status != SaveStatus::Ok)
        return fail(statusMessage(status));
    return 0;
}

} // namespace kanalo::cli
