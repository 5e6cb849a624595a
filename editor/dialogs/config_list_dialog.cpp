#include "editor/dialogs/config_list_dialog.h"

#include "editor/base/texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kanalo {

CConfigListDlg::CConfigListDlg(ColumnSets& sets, QWidget* parent) : QDialog(parent), sets_(sets) {
    setWindowTitle(text("Configure List"));
    auto* group = new QGroupBox(text("Show in list:"), this);
    auto* grid = new QGridLayout(group);
    for (int k = 1; k < kColumnCount; ++k) {
        boxes_[k] = new QCheckBox(text(columnInfo(columnKind(k)).checkBoxLabel.data()), group);
        grid->addWidget(boxes_[k], (k - 1) % 6, (k - 1) / 6);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(text("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* defaults = buttons->addButton(text("&Default"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CConfigListDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CConfigListDlg::reject);
    connect(defaults, &QPushButton::clicked, this, &CConfigListDlg::setDefaults);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

ColumnSet& CConfigListDlg::editedColumns() {
    return edited_ == EditedSet::Screen ? sets_.screen : sets_.printer;
}

QCheckBox* CConfigListDlg::checkBox(ColumnKind kind) const {
    return boxes_[columnIndex(kind)];
}

void CConfigListDlg::setDefaults() {
    for (int k = 1; k < kColumnCount; ++k)
        boxes_[k]->setChecked(true);
}

std::optional<int> CConfigListDlg::run() {
    for (int k = 1; k < kColumnCount; ++k)
        boxes_[k]->setChecked(editedColumns().shows(columnKind(k)));
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return editedColumns().toMask();
}

void CConfigListDlg::accept() {
    for (int k = 1; k < kColumnCount; ++k)
        editedColumns().set(columnKind(k), boxes_[k]->isChecked());
    QDialog::accept();
}

} // namespace kanalo
