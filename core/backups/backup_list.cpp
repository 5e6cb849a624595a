#include "core/backups/backup_list.h"

#include "core/backups/backup_folder.h"
#include "core/channels/channel_file.h"
#include "core/channels/channel_file_reader.h"

#include <memory>

namespace kanalo {

namespace fs = std::filesystem;

const char* statusMessage(BackupFileState state) {
    switch (state) {
    case BackupFileState::Ok:
        return "";
    case BackupFileState::CannotOpen:
        return statusMessage(LoadStatus::CannotOpen);
    case BackupFileState::ReadError:
        return statusMessage(LoadStatus::ReadError);
    case BackupFileState::NotAChannelList:
        return "Not a channel list file.";
    }
    return "";
}

BackupFileState readBackup(const fs::path& path, ChannelTable& table) {
    std::string bytes;
    switch (readWholeFile(path, bytes)) {
    case LoadStatus::Ok:
        break;
    case LoadStatus::CannotOpen:
        return BackupFileState::CannotOpen;
    case LoadStatus::ReadError:
        return BackupFileState::ReadError;
    }
    readChannelText(bytes, table);
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos || isChannelListText(bytes))
        return BackupFileState::Ok;
    table.clear();
    return BackupFileState::NotAChannelList;
}

BackupListing listBackups(const fs::path& folder, const ChannelTable* compareWith) {
    BackupListing listing;
    const std::vector<BackupFile> files = findBackups(folder, listing.failure);
    auto table = std::make_unique<ChannelTable>();
    for (const BackupFile& file : files) {
        BackupEntry entry;
        entry.path = file.path;
        entry.stamp = file.name.stamp;
        entry.direction = file.name.direction;
        entry.state = readBackup(file.path, *table);
        if (entry.state == BackupFileState::Ok) {
            entry.tvChannels = table->tv().occupiedCount();
            entry.radioChannels = table->radio().occupiedCount();
            if (compareWith)
                entry.difference = compareBackupWithList(*table, *compareWith);
        }
        listing.entries.push_back(std::move(entry));
    }
    return listing;
}

} // namespace kanalo
