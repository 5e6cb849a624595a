// The floor of the start-up benchmark: a minimal Qt Widgets program with what Kanalo's window
// has (a menu bar, a status bar, a 60 x 12 table) at the size of Kanalo's first window,
// reporting its first paint as Kanalo does.
#include "editor/base/first_paint_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    QStandardItemModel model(60, 12);
    for (int row = 0; row < 60; ++row)
        for (int column = 0; column < 12; ++column)
            model.setItem(row, column, new QStandardItem(QString::number(row * 12 + column)));
    auto* table = new QTableView(&window);
    table->setModel(&model);
    window.setCentralWidget(table);
    kanalo::reportFirstPaintIfAsked(table->viewport());
    window.resize(1000, 700); // Kanalo's window at its first start
    window.show();
    return QApplication::exec();
}
