#include "editor/commands/backup_commands.h"

#include "core/backups/backup_folder.h"
#include "core/backups/backup_list.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"

#include <QAction>

namespace kanalo {

namespace {

// "2026-12-08 11:20:05"; the title leaves out the seconds.
QString stampText(const BackupStamp& stamp) {
    return QString::fromStdString(backupStampText(stamp));
}

QString directionText(BackupDirection direction) {
    return direction == BackupDirection::FromBox ? text("from Box") : text("to Box");
}

BackupRow rowOf(const BackupEntry& entry) {
    BackupRow row;
    row.time = stampText(entry.stamp);
    row.direction = directionText(entry.direction);
    if (entry.state != BackupFileState::Ok) {
        row.tv = row.radio = QStringLiteral("?");
        row.difference = text(statusMessage(entry.state));
        return row;
    }
    row.tv = QString::number(entry.tvChannels);
    row.radio = QString::number(entry.radioChannels);
    if (!entry.difference)
        return row;
    const BackupDifference& difference = *entry.difference;
    row.difference = text("%1 only in the backup, %2 only in the list, %3 at another slot")
                         .arg(qulonglong(difference.onlyInBackup))
                         .arg(qulonglong(difference.onlyInList))
                         .arg(qulonglong(difference.atAnotherSlot));
    return row;
}

} // namespace

BackupCommands::BackupCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    QAction* action = context_.action(Command::RestoreFromBackup);
    action->setEnabled(true);
    context_.onCommandStatesUpdated(action, [action] { action->setEnabled(true); });
    connect(action, &QAction::triggered, this, &BackupCommands::restoreFromBackup);
}

void BackupCommands::restoreFromBackup() {
    context_.view()->cancelPendingExchange();
    BackupListing listing;
    QList<BackupRow> rows;
    {
        WaitCursor wait;
        const EditorState& state = context_.state();
        listing =
            listBackups(defaultBackupFolder(), state.listLoaded() ? state.mainTable() : nullptr);
        for (const BackupEntry& entry : listing.entries)
            rows << rowOf(entry);
    }
    if (!listing.failure.empty()) {
        context_.prompter().error(context_.widget(), QString::fromStdString(listing.failure));
        return;
    }
    if (listing.entries.empty()) {
        context_.prompter().information(
            context_.widget(),
            text("No backups yet in %1.\nKanalo keeps every list loaded from or sent to the Box "
                 "there.")
                .arg(QString::fromStdString(defaultBackupFolder().string())));
        return;
    }
    const std::optional<int> chosen = choose_(rows, context_.widget());
    if (chosen && *chosen >= 0 && *chosen < int(listing.entries.size()))
        openBackup(listing.entries[std::size_t(*chosen)]);
}

bool BackupCommands::openBackup(const BackupEntry& backup) {
    if (!context_.documents().beforeReplacingMainList())
        return false;
    ChannelTable table;
    const BackupFileState read = readBackup(backup.path, table);
    if (read != BackupFileState::Ok) {
        context_.prompter().error(context_.widget(), text(statusMessage(read)));
        return false;
    }
    // A backup is never edited in place: the list has no file and counts as modified, so Save
    // asks for a name.
    context_.documents().showListWithoutFile(
        std::move(table), ReplacedList::Modified,
        text("Backup %1 %2")
            .arg(stampText(backup.stamp).left(16), directionText(backup.direction)));
    return true;
}

} // namespace kanalo
