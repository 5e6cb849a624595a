#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

class QTreeWidget;

namespace kanalo {

// One backup as the window lists it, ready to show.
struct BackupRow {
    QString time;      // "2026-12-08 11:20:05"
    QString direction; // "from Box" / "to Box"
    QString tv;        // channel counts, or "?" for a backup that cannot be read
    QString radio;
    QString difference; // how it differs from the Main-List now
};

// "Restore from Backup": the backups newest first; Open (or a double-click) chooses one.
class BackupListDialog : public QDialog {
    Q_OBJECT

public:
    explicit BackupListDialog(const QList<BackupRow>& rows, QWidget* parent = nullptr);

    QTreeWidget* table() const { return table_; }
    // The row chosen with Open; nothing while none is.
    std::optional<int> chosenRow() const;
    // Runs the window; the row opened, nothing when closed.
    static std::optional<int> choose(const QList<BackupRow>& rows, QWidget* parent);

private:
    QTreeWidget* table_;
};

} // namespace kanalo
