#include "editor/base/prompter.h"

#include "editor/base/texts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace kanalo {

namespace {

Prompter* installedPrompter = nullptr;

// Every box of the editor carries the program's name as its title.
QString boxTitle() {
    return QStringLiteral("Kanalo");
}

} // namespace

void Prompter::error(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void Prompter::information(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

Prompter::Answer Prompter::question(QWidget* parent, const QString& text, bool offerCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (offerCancel) {
        buttons |= QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::Question, boxTitle(), text, buttons, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape or the close button must never count as Yes.
    box.setEscapeButton(offerCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::No;
    }
}

Prompter::Answer Prompter::renumberQuestion(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, text("Sort"),
                    text("The cahnnels are not sorted by numbers.\n\nIf you want to keep the order "
                         "of channels, the numers will be new assigned now. Click the button YES "
                         "if you want to do this.\n\nIf you click the button NO the channels will "
                         "be sorted by numbers now."),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(text("Do you want to assign new numbers ?"));
    QPushButton* yes = box.addButton(text("YES"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(text("NO"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(text("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

void giveRoomToFileDialog(QFileDialog& dialog) {
    // Qt's own dialog opens at about 620 x 410, too small for its name, size, type and date
    // columns; a native one ignores this.
    const QScreen* screen = dialog.screen();
    const QSize room = screen ? screen->availableSize() : QSize(1024, 768);
    const QSize wanted(dialog.fontMetrics().averageCharWidth() * 110,
                       dialog.fontMetrics().height() * 30);
    dialog.resize(wanted.boundedTo(room * 9 / 10));
}

namespace {

QString chooseFile(QFileDialog& dialog) {
    giveRoomToFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

QString Prompter::openFileName(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chooseFile(dialog);
}

QString Prompter::saveFileName(QWidget* parent, const QString& title, const QString& path,
                               const QString& filter) {
    // The dialog opens in a folder, or beside a file with its name filled in.
    QFileDialog dialog(parent, title, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return chooseFile(dialog);
}

Prompter& prompter() {
    static Prompter realDialogs;
    return installedPrompter != nullptr ? *installedPrompter : realDialogs;
}

void setPrompter(Prompter* replacement) {
    installedPrompter = replacement;
}

} // namespace kanalo
