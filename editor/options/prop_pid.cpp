#include "editor/options/prop_pid.h"

#include "editor/base/texts.h"
#include "editor/options/options_sheet.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kanalo {

CPropPID::CPropPID(const OptionValues& values, QWidget* parent) : QWidget(parent) {
    auto* intro = new QLabel(text("Select here how values for PCR-PID, Video-PID and  Audio-PID "
                                  "should be displayed or entered:"),
                             this);
    intro->setWordWrap(true);
    decimal_ = new QRadioButton(text("&decimal"), this);
    hex_ = new QRadioButton(text("&hexadecimal"), this);
    (values.pidRadix == PidRadix::Hex ? hex_ : decimal_)->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(decimal_);
    layout->addWidget(hex_);
    layout->addStretch(1);
}

void CPropPID::store(OptionValues& values) const {
    values.pidRadix = hex_->isChecked() ? PidRadix::Hex : PidRadix::Decimal;
}

} // namespace kanalo
