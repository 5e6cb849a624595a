#pragma once

#include "core/backups/backup_name.h"
#include "core/channels/channel_table.h"

#include <QString>

namespace kanalo {

// Keeps the list that crossed the cable in the backup folder, `keep` of each direction (0:
// none). Returns what the status bar should say when no backup could be written, else nothing:
// a failed backup never stops a transfer.
QString keepTransferBackup(BackupDirection direction, const ChannelTable& table, int keep);

} // namespace kanalo
