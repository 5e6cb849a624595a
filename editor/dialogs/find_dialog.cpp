#include "editor/dialogs/find_dialog.h"

#include "core/channels/satellite_table.h"
#include "core/listops/search.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/dialogs/channel_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kanalo {

CFindDlg::CFindDlg(Mode mode, const FindDefaults& defaults, QWidget* parent)
    : QDialog(parent), mode_(mode), values_(defaults) {
    const bool byName = mode == Mode::Name;
    setWindowTitle(byName ? text("Find Channel name") : text("Find frequency"));

    auto* findWhat = new QLabel(text("Find what:"), this);
    text_ = new QLineEdit(defaults.text, this);
    text_->setMaxLength(static_cast<int>(kMaxSearchTextLength));
    matchCase_ = new QCheckBox(text("&Match case"), this);
    matchCase_->setChecked(defaults.matchCase);
    frequency_ = new QLineEdit(QString::number(defaults.frequency), this);
    frequency_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), frequency_));
    satelliteLabel_ = new QLabel(text("Satellite:"), this);
    satellite_ = new QComboBox(this);
    satellite_->addItem(text("All"), -1);
    for (std::uint8_t i = 0; i < SatelliteTable::kCount; ++i)
        satellite_->addItem(QString::fromStdString(SatelliteTable::choiceText(i)), int{i});
    satellite_->setCurrentIndex(std::max(0, satellite_->findData(defaults.satellite)));
    satelliteLabel_->setBuddy(satellite_);
    findWhat->setBuddy(byName ? text_ : frequency_);

    find_ = new QPushButton(text("&Find"), this);
    find_->setDefault(true);
    cancel_ = new QPushButton(text("Cancel"), this);
    connect(find_, &QPushButton::clicked, this, &CFindDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CFindDlg::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(findWhat, 0, 0);
    fields->addWidget(text_, 0, 1);
    fields->addWidget(frequency_, 0, 1);
    fields->addWidget(matchCase_, 1, 1);
    fields->addWidget(satelliteLabel_, 1, 0);
    fields->addWidget(satellite_, 1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(find_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    text_->setVisible(byName);
    matchCase_->setVisible(byName);
    frequency_->setVisible(!byName);
    satelliteLabel_->setVisible(!byName);
    satellite_->setVisible(!byName);
    QLineEdit* first = byName ? text_ : frequency_;
    first->setFocus();
    first->selectAll();
}

void CFindDlg::accept() {
    const QByteArray typed = frequency_->text().toLatin1();
    const FieldValue frequency = readSearchFrequency(
        std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())));
    if (!frequency.ok()) {
        prompter().error(this, frequency.status == FieldStatus::NotANumber
                                   ? notAnIntegerText()
                                   : integerRangeText(kSearchFrequencyMin, kSearchFrequencyMax));
        frequency_->setFocus(Qt::OtherFocusReason);
        frequency_->selectAll();
        return;
    }
    if (mode_ == Mode::Name) {
        values_.text = text_->text();
        values_.matchCase = matchCase_->isChecked();
    } else {
        values_.frequency = frequency.value;
        values_.satellite = satellite_->currentData().toInt();
    }
    QDialog::accept();
}

} // namespace kanalo
