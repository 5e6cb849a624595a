#include "editor/dialogs/backup_list_dialog.h"

#include "editor/base/texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kanalo {

BackupListDialog::BackupListDialog(const QList<BackupRow>& rows, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(text("Restore from Backup"));
    table_ = new QTreeWidget(this);
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setHeaderLabels({text("Date"), text("Direction"), text("TV"), text("Radio"),
                             text("Compared with the Main-List")});
    for (const BackupRow& row : rows) {
        auto* item = new QTreeWidgetItem(
            table_, {row.time, row.direction, row.tv, row.radio, row.difference});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < table_->columnCount(); ++column)
        table_->resizeColumnToContents(column);
    if (!rows.isEmpty())
        table_->setCurrentItem(table_->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(text("&Open"), QDialogButtonBox::AcceptRole);
    buttons->addButton(text("&Close"), QDialogButtonBox::RejectRole);
    open->setEnabled(!rows.isEmpty());
    open->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    // Wide enough for every column, as tall as about fifteen rows.
    int width = 0;
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->columnWidth(column);
    resize(std::max(560, width + 60), 420);
}

std::optional<int> BackupListDialog::chosenRow() const {
    const int row = table_->indexOfTopLevelItem(table_->currentItem());
    return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::optional<int> BackupListDialog::choose(const QList<BackupRow>& rows, QWidget* parent) {
    BackupListDialog dialog(rows, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenRow();
}

} // namespace kanalo
