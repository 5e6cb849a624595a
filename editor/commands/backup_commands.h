#pragma once

#include "editor/dialogs/backup_list_dialog.h"

#include <QObject>
#include <functional>
#include <optional>

namespace kanalo {

class EditorContext;
struct BackupEntry;

// File > Restore from Backup: lists the backups of lists that crossed the cable and opens the
// chosen one as a new, modified Main-List without a file, so Save asks for a name.
class BackupCommands : public QObject {
    Q_OBJECT

public:
    using Chooser = std::function<std::optional<int>(const QList<BackupRow>& rows, QWidget*)>;

    explicit BackupCommands(EditorContext& context);

    void restoreFromBackup();
    // Opens the backup as Open opens a file; false after a failure message.
    bool openBackup(const BackupEntry& backup);

    void setChooser(Chooser chooser) { choose_ = std::move(chooser); }

private:
    EditorContext& context_;
    Chooser choose_ = &BackupListDialog::choose;
};

} // namespace kanalo
