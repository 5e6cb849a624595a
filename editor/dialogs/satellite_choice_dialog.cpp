#include "editor/dialogs/satellite_choice_dialog.h"

#include "core/channels/satellite_table.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kanalo {

CSatelliteChoiceDlg::CSatelliteChoiceDlg(int initialIndex, QWidget* parent) : QDialog(parent) {
    // Only a German version of this dialog exists, so its texts bypass the translator.
    setWindowTitle(QStringLiteral("Auswahl ändern"));
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::uint8_t i = 0; i < SatelliteTable::kCount; ++i) {
        const std::string line = SatelliteTable::choiceText(i);
        list_->addItem(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    }
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(ok_, &QPushButton::clicked, this, &CSatelliteChoiceDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CSatelliteChoiceDlg::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CSatelliteChoiceDlg::accept);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { ok_->setEnabled(selectedIndex() >= 0); });

    if (initialIndex >= 0 && initialIndex < static_cast<int>(SatelliteTable::kCount)) {
        list_->setCurrentRow(initialIndex);
        list_->scrollToItem(list_->currentItem());
    }
    ok_->setEnabled(selectedIndex() >= 0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    // Every satellite in view at once where the screen has room for it.
    const int frame = 2 * list_->frameWidth();
    const int rowsHeight = list_->sizeHintForRow(0) * list_->count() + frame;
    const int roomHeight = screen() ? screen()->availableSize().height() * 3 / 4 : rowsHeight;
    list_->setMinimumHeight(std::min(rowsHeight, roomHeight));
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + frame +
                           list_->verticalScrollBar()->sizeHint().width());
}

int CSatelliteChoiceDlg::selectedIndex() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

} // namespace kanalo
