#include "cli/commands.h"
#include "core/backups/backup_comparison.h"
#include "core/backups/backup_folder.h"
#include "core/backups/backup_list.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace kanalo::cli {

namespace {

// A count, or "?" for a backup that could not be read, so every line has the same fields.
std::string count(const BackupEntry& entry, std::size_t value) {
    return entry.state == BackupFileState::Ok ? std::to_string(value) : "?";
}

} // namespace

int runBackups(const Arguments& args) {
    std::filesystem::path folder;
    std::optional<std::string> compared;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "--folder")
            folder = std::string(args[i + 1]);
        else if (args[i] == "--compare")
            compared = std::string(args[i + 1]);
        else
            return usage();
    }
    if (args.size() % 2 != 0)
        return usage();
    if (folder.empty())
        folder = defaultBackupFolder();
    if (folder.empty())
        return fail("No backup folder: HOME is not set; name one with --folder.");
    auto current = std::make_unique<ChannelTable>();
    if (compared)
        if (const int failed = loadTable(*compared, *current))
            return failed;
    const BackupListing listing = listBackups(folder, compared ? current.get() : nullptr);
    if (!listing.failure.empty())
        return fail(listing.failure.c_str());
    if (listing.entries.empty())
        std::fprintf(stderr, "No backups in %s\n", folder.c_str());

    std::string text;
    for (const BackupEntry& entry : listing.entries) {
        if (entry.state != BackupFileState::Ok)
            std::fprintf(stderr, "%s: %s\n", entry.path.c_str(), statusMessage(entry.state));
        text += backupStampText(entry.stamp) +
                (entry.direction == BackupDirection::FromBox ? "\tfrom Box" : "\tto Box") +
                "\tTV " + count(entry, entry.tvChannels) + "\tRadio " +
                count(entry, entry.radioChannels) + '\t';
        if (compared) {
            const BackupDifference difference = entry.difference.value_or(BackupDifference{});
            const auto field = [&](const char* label, std::size_t value) {
                text += label + (entry.difference ? std::to_string(value) : "?") + '\t';
            };
            field("only in backup ", difference.onlyInBackup);
            field("only in list ", difference.onlyInList);
            field("at another slot ", difference.atAnotherSlot);
        }
        text += entry.path.string() + '\n';
    }
    return writeToStdout(text);
}

} // namespace kanalo::cli
