#pragma once

#include <QMessageBox>
#include <QString>

class QFileDialog;
class QWidget;

namespace kanalo {

// Every message box and file dialog of the editor goes through this seam, so tests can script
// the answers. The default implementation shows the real dialogs.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // An error with the exclamation icon and OK.
    virtual void error(QWidget* parent, const QString& text);
    // An information box with OK (transfer results and the like).
    virtual void information(QWidget* parent, const QString& text);
    // A question with the question icon: Yes/No, or Yes/No/Cancel when cancel is offered.
    virtual Answer question(QWidget* parent, const QString& text, bool offerCancel);
    // The "Sort" question asked before leaving a list whose numbers are not in order:
    // Yes renumbers, No sorts back by number, Cancel stops the command.
    virtual Answer renumberQuestion(QWidget* parent);
    // File dialogs; an empty result means cancelled. The filter is in Qt's ";;" form.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& path,
                                 const QString& filter);
};

// Sizes Qt's own file dialog to show its columns whole, within the screen.
void giveRoomToFileDialog(QFileDialog& dialog);

// The prompter the editor uses; tests install their own.
Prompter& prompter();
void setPrompter(Prompter* replacement); // nullptr restores the real dialogs

} // namespace kanalo
