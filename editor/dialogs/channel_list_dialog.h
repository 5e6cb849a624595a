#pragma once

#include "core/channels/channel_table.h"

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

namespace kanalo {

// The list dialog of Find Duplicates and of the transponder list: one line per channel, each
// carrying its slot and half, with Edit, List, Delete and Close. The buttons stay disabled
// until the first selection; a double click acts like Edit. What the buttons do is the
// owner's business.
class CChannelListDlg : public QDialog {
    Q_OBJECT

public:
    // Tab stops in dialog units; none gives the list box's default of one every 32 units.
    CChannelListDlg(const QString& title, QList<int> tabStops, QWidget* parent = nullptr);

    void addLine(const QString& text, int slot, ListKind half);
    void setLineText(int line, const QString& text);
    void removeLine(int line);
    int lineCount() const;
    QString lineText(int line) const;
    int slotOf(int line) const;
    ListKind halfOf(int line) const;

    // The selected line, or -1.
    int selectedLine() const;
    void selectLine(int line);

    QListWidget* list() const { return list_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* listButton() const { return show_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* closeButton() const { return close_; }

Q_SIGNALS:
    // Only sent with a line selected.
    void editRequested(int line);
    void listRequested(int line);
    void deleteRequested(int line);

private:
    void sendFor(void (CChannelListDlg::*signal)(int));

    QListWidget* list_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace kanalo
