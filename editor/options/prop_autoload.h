#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace kanalo {

struct OptionValues;

// The "Autoload" page: the channel list file loaded at every start.
class CPropAutoload : public QWidget {
    Q_OBJECT

public:
    CPropAutoload(const OptionValues& values, const QString& listFolder, QWidget* parent = nullptr);
    void store(OptionValues& values) const;

    QLineEdit* fileField() const { return file_; }
    QPushButton* browseButton() const { return browse_; }

    void browse();

private:
    QString listFolder_;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
};

} // namespace kanalo
