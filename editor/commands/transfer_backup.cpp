#include "editor/commands/transfer_backup.h"

#include "core/backups/backup_folder.h"
#include "core/backups/backup_writer.h"
#include "core/channels/channel_file_writer.h"
#include "editor/base/texts.h"

#include <chrono>
#include <cstring>
#include <utility>

namespace kanalo {

namespace {

// The core says why in English: the editor shows its sentence in the interface language, the
// path and the system's error text as they are.
QString shownReason(const std::string& reason) {
    const std::pair<const char*, QString> starts[] = {
        {"Cannot create the folder", text("Cannot create the folder")},
        {"Cannot read the folder", text("Cannot read the folder")},
        {"Cannot write", text("Cannot write")},
        {"No free backup name in", text("No free backup name in")},
        {"No folder for backups: no home folder is known",
         text("No folder for backups: no home folder is known")},
    };
    const QString shown = QString::fromStdString(reason);
    for (const auto& [english, translated] : starts)
        if (shown.startsWith(QLatin1String(english)))
            return translated + shown.mid(qsizetype(std::strlen(english)));
    return shown;
}

} // namespace

QString keepTransferBackup(BackupDirection direction, const ChannelTable& table, int keep) {
    if (keep <= 0)
        return {};
    const BackupResult result =
        writeBackup(defaultBackupFolder(), direction, writeChannelText(table, FileForm::Long),
                    std::chrono::system_clock::now(), keep);
    if (result.outcome != BackupOutcome::Failed)
        return {};
    return text("Backup not written: %1").arg(shownReason(result.reason));
}

} // namespace kanalo
