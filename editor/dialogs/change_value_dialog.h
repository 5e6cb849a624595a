#pragma once

#include "core/channels/satellite_table.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kanalo {

// "Change selected channels": one frequency or symbol rate for every selected channel. OK
// checks the value like the channel dialog does and keeps the dialog open on a refusal.
class CChangeValueDlg : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Frequency = 0, SymbolRate = 1 };

    // A symbol rate below 1000 is offered as 27500.
    CChangeValueDlg(Mode mode, unsigned initial, const FrequencyBands& bands, bool noLimits,
                    bool german, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The accepted value, unmasked; the initial value until OK succeeds.
    unsigned value() const { return value_; }

    void accept() override;

    QLabel* label() const { return label_; }
    QLineEdit* valueEdit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    Mode mode_;
    unsigned value_;
    FrequencyBands bands_;
    bool noLimits_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace kanalo
