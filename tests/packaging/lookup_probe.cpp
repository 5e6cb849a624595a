// Prints where the editor's tool lookup finds each named program, one line each (empty when
// not found). Copied beside an installed Kanalo, it looks from the same folder Kanalo does.
#include "editor/commands/tool_runner.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const kanalo::ToolRunner runner;
    for (const QString& name : QCoreApplication::arguments().mid(1))
        std::printf("%s\n", qPrintable(runner.resolve(name)));
    return 0;
}
