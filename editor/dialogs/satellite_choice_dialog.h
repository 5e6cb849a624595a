#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace kanalo {

// "Auswahl ändern": picks one of the 32 satellites for every selected channel. The dialog is
// German in both languages. OK or a double-click confirms the selected line.
class CSatelliteChoiceDlg : public QDialog {
    Q_OBJECT

public:
    // An index outside the table starts without a selection, and OK waits for one.
    explicit CSatelliteChoiceDlg(int initialIndex, QWidget* parent = nullptr);

    // The selected satellite index, or -1 when no line is selected.
    int selectedIndex() const;

    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QListWidget* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace kanalo
