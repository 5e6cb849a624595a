#include "editor/dialogs/help_window.h"

#include "editor/base/texts.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kanalo {

HelpWindow::HelpWindow(bool german, QWidget* parent)
    : QWidget(parent, Qt::Window), fileName_(german ? "KANALO.HLP" : "KANALO_E.HLP"),
      browser_(new QTextBrowser(this)), search_(new QLineEdit(this)) {
    setWindowTitle(text("Kanalo Help"));
    browser_->setOpenLinks(true);
    QFile file(QStringLiteral(":/help/") + fileName_);
    if (file.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(file.readAll()));

    search_->setPlaceholderText(text("Search"));
    search_->setClearButtonEnabled(true);
    auto* label = new QLabel(text("&Find:"), this);
    label->setBuddy(search_);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(label);
    searchRow->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(searchRow);
    layout->addWidget(browser_, 1);

    const auto onKey = [this](const QKeySequence& keys, auto handler) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    onKey(QKeySequence::Find, [this] {
        search_->setFocus();
        search_->selectAll();
    });
    onKey(QKeySequence(Qt::Key_F3), [this] { findNext(Direction::Forward); });
    onKey(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findNext(Direction::Backward); });
    onKey(QKeySequence(Qt::Key_Escape), [this] { close(); });
    onKey(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(Direction::Forward); });
    resize(720, 640);
}

bool HelpWindow::findNext(Direction direction) {
    const QString wanted = search_->text();
    if (wanted.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        direction == Direction::Backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(wanted, flags))
        return true;
    // Round again from the other end of the guide.
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(direction == Direction::Backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    return browser_->find(wanted, flags);
}

} // namespace kanalo
