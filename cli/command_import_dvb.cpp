#include "cli/commands.h"
#include "core/listops/dvb_import.h"

#include <memory>

namespace kanalo::cli {

int runImportDvb(const Arguments& args) {
    const std::optional<FileForm> form = outputForm(args);
    if (!form)
        return usage();
    std::string bytes;
    if (const DvbReadStatus status = readDvbFile(std::string(args[0]), bytes);
        status != DvbReadStatus::Ok)
        return fail(statusMessage(status));
    auto table = std::make_unique<ChannelTable>();
    importDvbRecords(bytes, *table);
    return saveTable(args[1], *table, *form);
}

} // namespace kanalo::cli
