#include "cli/commands.h"
#include "core/channels/channel_file.h"
#include "core/format/csv_export.h"
#include "core/listops/vdr_channels.h"

#include <cstdio>
#include <memory>

namespace kanalo::cli {

namespace {

int writeExport(std::string_view path, const std::string& text) {
    if (const SaveStatus status = saveFile(std::string(path), text); status != SaveStatus::Ok)
        return fail(statusMessage(status));
    return 0;
}

} // namespace

int runImportVdr(const Arguments& args) {
    const std::optional<FileForm> form = outputForm(args);
    if (!form)
        return usage();
    std::string text;
    if (const DvbReadStatus status = readVdrFile(std::string(args[0]), text);
        status != DvbReadStatus::Ok)
        return fail(statusMessage(status));
    auto table = std::make_unique<ChannelTable>();
    const VdrImportCounts counts = importVdrText(text, *table);
    if (counts.imported() == 0)
        return fail(("Wrong file version.\n" + vdrImportSummary(counts)).c_str());
    if (const int failed = saveTable(args[1], *table, *form))
        return failed;
    return writeToStdout(vdrImportSummary(counts) + "\n");
}

int runExportVdr(const Arguments& args) {
    if (args.size() != 2)
        return usage();
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;
    const VdrExport exported = writeVdrText(*table);
    if (const int failed = writeExport(args[1], exported.text))
        return failed;
    if (exported.skipped == 0)
        return 0;
    return writeToStdout(std::to_string(exported.skipped) +
                         " channels on a satellite without a position left out.\n");
}

int runExportCsv(const Arguments& args) {
    if (args.size() != 2)
        return usage();
    auto table = std::make_unique<ChannelTable>();
    if (const int failed = loadTable(args[0], *table))
        return failed;
    return writeExport(args[1], writeCsvText(*table));
}

} // namespace kanalo::cli
