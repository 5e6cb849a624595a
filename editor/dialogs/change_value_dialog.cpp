#include "editor/dialogs/change_value_dialog.h"

#include "core/format/channel_fields.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/dialogs/channel_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kanalo {

namespace {

constexpr unsigned kDefaultSymbolRate = 27500;

// These labels are part of the program, not of the translation.
QString labelText(CChangeValueDlg::Mode mode, bool german) {
    if (mode == CChangeValueDlg::Mode::Frequency)
        return german ? QStringLiteral("Frequenz:") : QStringLiteral("Frequency:");
    return german ? QStringLiteral("Symbolrate:") : QStringLiteral("Symbol rate:");
}

} // namespace

CChangeValueDlg::CChangeValueDlg(Mode mode, unsigned initial, const FrequencyBands& bands,
                                 bool noLimits, bool german, QWidget* parent)
    : QDialog(parent), mode_(mode),
      value_(mode == Mode::SymbolRate && initial < kSymbolRateRange.min ? kDefaultSymbolRate
                                                                        : initial),
      bands_(bands), noLimits_(noLimits) {
    setWindowTitle(text("Change selected channels"));
    label_ = new QLabel(labelText(mode, german), this);
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_ = new QLineEdit(QString::number(value_), this);
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
    label_->setBuddy(edit_);

    cancel_ = new QPushButton(text("Cancel"), this);
    ok_ = new QPushButton(text("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CChangeValueDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CChangeValueDlg::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(label_, 1);
    field->addWidget(edit_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setTabOrder(edit_, cancel_);
    setTabOrder(cancel_, ok_);
    edit_->setFocus();
    edit_->selectAll();
}

void CChangeValueDlg::accept() {
    const QByteArray typed = edit_->text().toLatin1();
    const std::string_view bytes(typed.constData(), static_cast<std::size_t>(typed.size()));
    QString refusal;
    FieldValue field;
    if (mode_ == Mode::Frequency) {
        field = readFrequencyField(bytes, {frequencyMin(bands_), frequencyMax(bands_)}, noLimits_);
        if (field.status == FieldStatus::NotANumber)
            refusal = invalidFrequencyText();
        else if (field.status == FieldStatus::OutOfRange)
            refusal = frequencyRangeText(bands_);
    } else {
        // This range holds even with the limits switched off.
        field = readSymbolRateField(bytes, false);
        if (field.status == FieldStatus::NotANumber)
            refusal = notAnIntegerText();
        else if (field.status == FieldStatus::OutOfRange)
            refusal = integerRangeText(kSymbolRateRange.min, kSymbolRateRange.max);
    }
    if (!refusal.isEmpty()) {
        prompter().error(this, refusal);
        edit_->setFocus(Qt::OtherFocusReason);
        edit_->selectAll();
        return;
    }
    value_ = field.value;
    QDialog::accept();
}

} // namespace kanalo
