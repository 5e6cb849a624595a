#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kanalo {

// What the find dialog offers the next time it opens.
struct FindDefaults {
    QString text;
    bool matchCase = false;
    unsigned frequency = 12000;
    int satellite = -1; // satelliteIndex, -1 for "All"
};

// "Find Channel name" in two modes: a name with the match-case choice, or a frequency with a
// satellite. The number field is checked in both modes; in name mode it is hidden and holds
// the remembered frequency, so it always passes.
class CFindDlg : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Name, Frequency };

    CFindDlg(Mode mode, const FindDefaults& defaults, QWidget* parent = nullptr);

    void accept() override;

    Mode mode() const { return mode_; }
    // The accepted choices; the defaults until Find succeeds.
    const FindDefaults& values() const { return values_; }

    QLineEdit* textEdit() const { return text_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }
    QLineEdit* frequencyEdit() const { return frequency_; }
    QComboBox* satelliteBox() const { return satellite_; }
    QPushButton* findButton() const { return find_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    Mode mode_;
    FindDefaults values_;
    QLineEdit* text_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QLabel* satelliteLabel_ = nullptr;
    QComboBox* satellite_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace kanalo
