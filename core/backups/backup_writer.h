#pragma once

#include "core/backups/backup_name.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace kanalo {

enum class BackupOutcome {
    Written,             // path names the new backup
    SkippedSameAsNewest, // the newest backup of the direction, path, holds these bytes already
    Off,                 // keep is 0: backups are turned off
    Failed,              // reason says why, in English; nothing was written
};

struct BackupResult {
    BackupOutcome outcome = BackupOutcome::Off;
    std::filesystem::path path;
    std::string reason;
};

// Keeps the bytes of a list that crossed the cable as a backup in the folder, named after the
// local time of the moment. The folder and its missing parents are created with mode 0700;
// the file is written with saveFile. A name taken already (a second backup within one second)
// moves the new one on to the next free second, so no backup is ever replaced. After writing,
// only the newest keep backups of the direction stay; the other direction and files that
// are no backups are never touched. Throws nothing for a problem of the file system.
BackupResult writeBackup(const std::filesystem::path& folder, BackupDirection direction,
                         std::string_view bytes, std::chrono::system_clock::time_point time,
                         int keep);

} // namespace kanalo
