#pragma once

#include <QWidget>

class QCheckBox;

namespace kanalo {

struct OptionValues;

// The "Update" page: how the Update-List comparison marks channels.
class CPropUpdate : public QWidget {
    Q_OBJECT

public:
    explicit CPropUpdate(const OptionValues& values, QWidget* parent = nullptr);
    void store(OptionValues& values) const;

    QCheckBox* ignoreNamesBox() const { return ignoreNames_; }
    QCheckBox* redLinesBox() const { return redLines_; }

private:
    QCheckBox* ignoreNames_ = nullptr;
    QCheckBox* redLines_ = nullptr;
};

} // namespace kanalo
