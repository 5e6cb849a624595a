#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace kanalo {

// Shows the user guide of the interface language: "KANALO.HLP" (German) or "KANALO_E.HLP".
// Ctrl+F goes to the search field, Enter and F3 find the next match (Shift for the one
// before); Escape and Ctrl+W close the window.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(bool german, QWidget* parent = nullptr);
    QString fileName() const { return fileName_; }
    QTextBrowser* browser() const { return browser_; }
    QLineEdit* searchField() const { return search_; }

    enum class Direction { Forward, Backward };
    // Selects the next match of the search text, starting again at the other end when needed;
    // false when the guide holds none.
    bool findNext(Direction direction);

private:
    QString fileName_;
    QTextBrowser* browser_;
    QLineEdit* search_;
};

} // namespace kanalo
