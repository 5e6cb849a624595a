#pragma once

#include <QWidget>

class QRadioButton;

namespace kanalo {

struct OptionValues;

// The "PID Values" page: PIDs and service IDs shown and typed in decimal or hexadecimal.
class CPropPID : public QWidget {
    Q_OBJECT

public:
    explicit CPropPID(const OptionValues& values, QWidget* parent = nullptr);
    void store(OptionValues& values) const;

    QRadioButton* hexButton() const { return hex_; }

private:
    QRadioButton* decimal_ = nullptr;
    QRadioButton* hex_ = nullptr;
};

} // namespace kanalo
