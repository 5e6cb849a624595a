#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace kanalo {

struct OptionValues;

// The "General" page: receiver type, receiver software, the transfer question and the sort
// options. The two newer receiver types always run the newer software, so choosing one of
// them checks the software box and locks it.
class CPropSort : public QWidget {
    Q_OBJECT

public:
    explicit CPropSort(const OptionValues& values, QWidget* parent = nullptr);
    void store(OptionValues& values) const;

    QRadioButton* boxTypeButton(int boxType) const; // 1..3
    QCheckBox* softwareBox() const { return software_; }
    QCheckBox* transferAskBox() const { return transferAsk_; }
    QCheckBox* sortMainListBox() const { return sortMainList_; }
    QCheckBox* keepNumbersBox() const { return keepNumbers_; }
    QSpinBox* backupsKeptBox() const { return backupsKept_; }
    QLabel* demoHint() const { return demoHint_; } // only when run as the demo (KANALO_DEMO=1)

Q_SIGNALS:
    void transferAskClicked(bool checked);

private:
    void boxTypeChosen();

    QRadioButton* boxTypes_[3] = {};
    QCheckBox* software_ = nullptr;
    QCheckBox* transferAsk_ = nullptr;
    QCheckBox* sortMainList_ = nullptr;
    QCheckBox* keepNumbers_ = nullptr;
    QSpinBox* backupsKept_ = nullptr;
    QLabel* demoHint_ = nullptr;
};

} // namespace kanalo
