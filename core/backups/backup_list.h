#pragma once

#include "core/backups/backup_comparison.h"
#include "core/backups/backup_name.h"
#include "core/channels/channel_table.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kanalo {

// Whether a backup could be read as a channel list.
enum class BackupFileState { Ok, CannotOpen, ReadError, NotAChannelList };

// "Cannot open file." / "Read error." as for any list file, "Not a channel list file." for a
// file whose lines are mostly no channel lines; nothing for Ok.
const char* statusMessage(BackupFileState state);

// Reads a backup into the table. An empty file is an empty list, as the Box may hold none;
// a file of other text is NotAChannelList and leaves the table empty. On any other failure the
// table is left untouched.
BackupFileState readBackup(const std::filesystem::path& path, ChannelTable& table);

struct BackupEntry {
    std::filesystem::path path;
    BackupStamp stamp;
    BackupDirection direction = BackupDirection::FromBox;
    BackupFileState state = BackupFileState::Ok;
    std::size_t tvChannels = 0; // occupied slots; 0 unless state is Ok
    std::size_t radioChannels = 0;
    // How it differs from the list compared with; nothing unless one was given and state is Ok.
    std::optional<BackupDifference> difference;
};

struct BackupListing {
    std::vector<BackupEntry> entries; // newest first
    std::string failure;              // why the folder could not be read; empty when it could
};

// Every backup of the folder, newest first, each read once for its channel counts and, when a
// list is given, compared with it. A backup that cannot be read is listed with its state. A
// missing folder holds no backups.
BackupListing listBackups(const std::filesystem::path& folder,
                          const ChannelTable* compareWith = nullptr);

} // namespace kanalo
