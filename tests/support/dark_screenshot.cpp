// Saves a picture of the main window on a dark palette, for the README: the editor has no dark
// option of its own and follows the desktop's palette, which a bare X server does not have.
// Usage: dark_screenshot <list> <update list> <picture.png>; the channels of the list missing
// from the update list show as deleted.
#include "editor/base/start_up.h"
#include "editor/commands/document_commands.h"
#include "tests/editor/editor_window.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <cstdio>

namespace {

QPalette darkPalette() {
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor window(0x2d, 0x2d, 0x2d);
    const QColor text(0xe0, 0xe0, 0xe0);
    QPalette palette(window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Button, window);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::ToolTipText})
        palette.setColor(role, text);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Highlight, QColor(0x26, 0x4f, 0x78));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

} // namespace

int main(int argc, char** argv) {
    using namespace kanalo;
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: dark_screenshot <list> <update list> <picture.png>\n", stderr);
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    installLanguage(Language::English);

    test::EditorWindow editor;
    editor.open(QStringLiteral("[Settings]\nRedLines=1\n"), {BoxType::Pella1Plus, 2});
    if (!editor.frame->loadFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    editor.frame->documents().openUpdateFile(QString::fromLocal8Bit(argv[2]));
    editor.frame->documents().showMainList();
    editor.frame->resize(1000, 640);
    editor.frame->show();
    QApplication::processEvents();
    if (!editor.frame->grab().save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "dark_screenshot: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
