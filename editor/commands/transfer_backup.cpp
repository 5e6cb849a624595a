#include "editor/commands/transfer_backup.h"

#include "core/backups/backup_folder.h"
#include "core/backups/backup_writer.h"
#include "core/channels/channel_file_writer.h"
#include "editor/base/texts.h"

#include <chrono>

namespace kanalo {

QString keepTransferBackup(BackupDirection direction, const ChannelTable& table, int keep) {
    if (keep <= 0)
        return {};
    const BackupResult result =
        writeBackup(defaultBackupFolder(), direction, writeChannelText(table, FileForm::Long),
                    std::chrono::system_clock::now(), keep);
    if (result.outcome != BackupOutcome::Failed)
        return {};
    return text("Backup not written: %1").arg(QString::fromStdString(result.reason));
}

} // namespace kanalo
