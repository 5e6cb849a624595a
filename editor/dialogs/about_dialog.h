#pragma once

#include <QDialog>

namespace kanalo {

// "About Kanalo": the program icon, its name, "Version 0.5" and OK.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace kanalo
