// An editor for a test to end by a signal: `termination_child DIR update` starts a receiver
// software update with DIR/Update3 as the updater and DIR/new.pad as the file; `termination_child
// DIR idle` only waits. Its private transfer folder, made as by a transfer, is in DIR/tmp;
// DIR/ready says the editor stands.
#include "editor/base/termination_signals.h"
#include "editor/commands/transfer_commands.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    using namespace kanalo;
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const TerminationSignals terminationSignals;
    test::ScriptedPrompter prompts;
    test::EditorWindow editor;
    qputenv("TMPDIR", QFile::encodeName(dir + QStringLiteral("/tmp")));
    editor.open(QStringLiteral("[Settings]\nComPort=1\n"));
    auto* transfers = editor.frame->findChild<TransferCommands*>();
    transfers->runner().searchFolders = {dir};
    transfers->transferFile(); // the private folder comes with the first transfer
    QFile(dir + QStringLiteral("/ready")).open(QIODevice::WriteOnly);
    if (QByteArrayView(argv[2]) == "update") {
        prompts.fileNames = {dir + QStringLiteral("/new.pad")};
        QTimer::singleShot(0, [&] { editor.frame->action(Command::SoftwareUpdate)->trigger(); });
    }
    return QApplication::exec();
}
