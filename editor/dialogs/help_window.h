#pragma once

#include <QTextBrowser>

namespace kanalo {

// Shows the user guide of the interface language: "KANALO.HLP" (German) or "KANALO_E.HLP".
class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(bool german, QWidget* parent = nullptr);
    QString fileName() const { return fileName_; }

private:
    QString fileName_;
};

} // namespace kanalo
