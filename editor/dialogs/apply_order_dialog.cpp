#include "editor/dialogs/apply_order_dialog.h"

#include "editor/base/texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kanalo {

ApplyOrderDialog::ApplyOrderDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(text("Apply Order"));
    auto* lists = new QGroupBox(text("Lists"), this);
    both_ = new QRadioButton(text("&TV and Radio"), lists);
    tvOnly_ = new QRadioButton(text("T&V"), lists);
    auto* radioOnly = new QRadioButton(text("&Radio"), lists);
    both_->setChecked(true);
    auto* listRows = new QVBoxLayout(lists);
    for (QRadioButton* button : {both_, tvOnly_, radioOnly})
        listRows->addWidget(button);
    removeUnmatched_ = new QCheckBox(text("Re&move channels that are not in the reference"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lists);
    layout->addWidget(removeUnmatched_);
    layout->addWidget(buttons);
}

ApplyOrderChoice ApplyOrderDialog::choice() const {
    ApplyOrderChoice chosen;
    chosen.lists = both_->isChecked()     ? OrderedLists::Both
                   : tvOnly_->isChecked() ? OrderedLists::Tv
                                          : OrderedLists::Radio;
    chosen.unmatched =
        removeUnmatched_->isChecked() ? UnmatchedChannels::Remove : UnmatchedChannels::PlaceAfter;
    return chosen;
}

std::optional<ApplyOrderChoice> ApplyOrderDialog::ask(QWidget* parent) {
    ApplyOrderDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace kanalo
