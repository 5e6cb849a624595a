#include "editor/options/prop_sort.h"

#include "editor/base/texts.h"
#include "editor/options/options_sheet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kanalo {

CPropSort::CPropSort(const OptionValues& values, QWidget* parent) : QWidget(parent) {
    // The receiver names are the same in both languages.
    const char* names[] = {"Pella1, RONDEL", "LUNDRA", "Pella1 Plus"};
    auto* group = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        boxTypes_[i] = new QRadioButton(QString::fromLatin1(names[i]), this);
        group->addButton(boxTypes_[i], i + 1);
        layout->addWidget(boxTypes_[i]);
    }
    software_ = new QCheckBox(text("Software Version 1.5-46 or higher"), this);
    transferAsk_ = new QCheckBox(text("&Ask before transfers to Box"), this);
    sortMainList_ = new QCheckBox(text("&Main-list can be sorted"), this);
    keepNumbers_ = new QCheckBox(text("Don't &sort channel numbers"), this);
    layout->addWidget(software_);
    // run.sh starts the simulated receiver to match the stored type and software, so a change
    // here reaches it only at the demo's next start.
    if (qEnvironmentVariableIntValue("KANALO_DEMO") == 1) {
        demoHint_ = new QLabel(text("Demo: the simulated receiver follows the receiver type and "
                                    "software chosen here when the demo is next started."),
                               this);
        demoHint_->setWordWrap(true);
        layout->addWidget(demoHint_);
    }
    layout->addWidget(transferAsk_);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(text("Here you can set options for the sort function:"), this));
    layout->addWidget(sortMainList_);
    layout->addWidget(keepNumbers_);
    layout->addSpacing(12);
    // Lists that crossed the cable are kept in the backup folder; 0 keeps none.
    auto* backupsLabel =
        new QLabel(text("&Keep backups of lists loaded from and sent to the Box:"), this);
    backupsLabel->setWordWrap(true);
    backupsKept_ = new QSpinBox(this);
    backupsKept_->setRange(0, 9999);
    backupsLabel->setBuddy(backupsKept_);
    layout->addWidget(backupsLabel);
    layout->addWidget(backupsKept_, 0, Qt::AlignLeft);
    layout->addStretch(1);

    // Negative stored types run as the first model.
    const int boxType = values.boxType >= 1 && values.boxType <= 3 ? values.boxType : 1;
    boxTypes_[boxType - 1]->setChecked(true);
    software_->setChecked(values.firmware >= 2);
    transferAsk_->setChecked(values.transferAsk);
    sortMainList_->setChecked(values.sortMainList);
    keepNumbers_->setChecked(!values.sortNumbers);
    backupsKept_->setValue(values.backupsKept);
    boxTypeChosen();

    connect(group, &QButtonGroup::idClicked, this, &CPropSort::boxTypeChosen);
    connect(transferAsk_, &QCheckBox::clicked, this, &CPropSort::transferAskClicked);
}

QRadioButton* CPropSort::boxTypeButton(int boxType) const {
    return boxType >= 1 && boxType <= 3 ? boxTypes_[boxType - 1] : nullptr;
}

void CPropSort::boxTypeChosen() {
    const bool newerReceiver = !boxTypes_[0]->isChecked();
    if (newerReceiver)
        software_->setChecked(true);
    software_->setEnabled(!newerReceiver);
}

void CPropSort::store(OptionValues& values) const {
    for (int i = 0; i < 3; ++i)
        if (boxTypes_[i]->isChecked())
            values.boxType = i + 1;
    values.firmware = software_->isChecked() ? 2 : 1;
    values.transferAsk = transferAsk_->isChecked();
    values.sortMainList = sortMainList_->isChecked();
    values.sortNumbers = !keepNumbers_->isChecked();
    values.backupsKept = backupsKept_->value();
}

} // namespace kanalo
