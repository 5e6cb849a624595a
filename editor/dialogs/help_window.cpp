#include "editor/dialogs/help_window.h"

#include "editor/base/texts.h"

#include <QFile>

namespace kanalo {

HelpWindow::HelpWindow(bool german, QWidget* parent)
    : QTextBrowser(parent), fileName_(german ? "KANALO.HLP" : "KANALO_E.HLP") {
    setWindowFlag(Qt::Window);
    setWindowTitle(text("Kanalo Help"));
    setOpenLinks(true);
    QFile file(QStringLiteral(":/help/") + fileName_);
    if (file.open(QIODevice::ReadOnly))
        setHtml(QString::fromUtf8(file.readAll()));
    resize(720, 640);
}

} // namespace kanalo
