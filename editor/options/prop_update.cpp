#include "editor/options/prop_update.h"

#include "editor/base/texts.h"
#include "editor/options/options_sheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kanalo {

CPropUpdate::CPropUpdate(const OptionValues& values, QWidget* parent) : QWidget(parent) {
    ignoreNames_ = new QCheckBox(text("Ignore differences in channel &name"), this);
    redLines_ = new QCheckBox(text("&Mark \"deleted\" channels in Main-list"), this);
    ignoreNames_->setChecked(values.ignoreNames);
    redLines_->setChecked(values.redLines);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text("Here you can set options for the update function:"), this));
    layout->addWidget(ignoreNames_);
    layout->addWidget(redLines_);
    layout->addStretch(1);
}

void CPropUpdate::store(OptionValues& values) const {
    values.ignoreNames = ignoreNames_->isChecked();
    values.redLines = redLines_->isChecked();
}

} // namespace kanalo
