// Transfers from the editor against the simulated receiver on a pseudo-terminal.
#include "core/channels/channel_file.h"
#include "core/channels/channel_file_writer.h"
#include "editor/base/start_up.h"
#include "editor/commands/backup_commands.h"
#include "editor/commands/transfer_commands.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

using namespace kanalo;

namespace {

const QString kSample = test::sampleListPath();
const QString kBin = QStringLiteral(KANALO_BIN_DIR);

// boxsim on a pseudo-terminal, reached as COM1.
class Receiver {
public:
    Receiver(const QTemporaryDir& dir, QStringList extra = {}) {
        link_ = dir.filePath(QStringLiteral("box"));
        store_ = dir.filePath(QStringLiteral("stored.dat"));
        QFile::remove(link_);
        process_.setProgram(kBin + QStringLiteral("/boxsim"));
        process_.setArguments(QStringList{"--list", kSample, "--store", store_, "--link", link_} +
                              extra);
        process_.start();
        for (int i = 0; i < 100 && !QFile::exists(link_); ++i)
            QTest::qWait(20);
        qputenv("KANALO_COM1", link_.toLocal8Bit());
    }
    ~Receiver() {
        process_.kill();
        process_.waitForFinished(2000);
    }
    QString store() const { return store_; }
    bool running() const { return QFile::exists(link_); }

private:
    QProcess process_;
    QString link_;
    QString store_;
};

struct Editor : test::EditorWindow {
    explicit Editor(ReceiverChoice receiver = {BoxType::Pella1Plus, 2}) {
        open(QStringLiteral("[Settings]\nComPort=1\n"), receiver);
        show();
        transfers = frame->findChild<TransferCommands*>();
    }
    EditorState& state() { return frame->state(); }

    TransferCommands* transfers = nullptr;
    test::ScriptedPrompter prompts;
};

std::unique_ptr<ChannelTable> sampleTable() {
    auto table = std::make_unique<ChannelTable>();
    loadChannelFile(QFile::encodeName(kSample).toStdString(), *table);
    return table;
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        installLanguage(Language::English);
        // Backups of the lists that cross the cable land here, not in the home folder.
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }

    void loadBringsTheReceiversListAndSendDeliversItBack() {
        Editor editor;
        qputenv("XDG_DATA_HOME", editor.dir.filePath(QStringLiteral("data")).toLocal8Bit());
        const QDir backups(editor.dir.filePath(QStringLiteral("data/Kanalo/backups")));
        Receiver box(editor.dir);
        QVERIFY(box.running());
        QVERIFY(editor.transfers);
        editor.frame->action(Command::LoadFromBox)->trigger();
        QCOMPARE(editor.prompts.shown, QStringList{});
        QVERIFY(editor.state().listLoaded());
        const auto expected = sampleTable();
        for (std::size_t slot = 0; slot < kTableCapacity; ++slot) {
            const ChannelRecord& got = editor.state().mainTable()->slots()[slot];
            const ChannelRecord& want = expected->slots()[slot];
            QCOMPARE(got.isFree(), want.isFree());
            if (!want.isFree())
                QVERIFY2(got == want, qPrintable(QStringLiteral("slot %1").arg(slot)));
        }
        QCOMPARE(editor.frame->windowTitle(), QStringLiteral("Kanalo[*]"));
        QVERIFY(editor.state().currentPath.isEmpty());
        QCOMPARE(editor.frame->view()->rows().rowData(0).texts[1], QStringLiteral("Nordlicht TV"));
        QCOMPARE(editor.frame->statusBar()->currentMessage(),
                 QStringLiteral("Loaded from the Box: 51 TV and 15 Radio channels."));
        // Every list that crossed the cable is kept, in the long form.
        const auto backupBytes = [&](const QString& suffix) {
            const QStringList names = backups.entryList({"*" + suffix}, QDir::Files);
            QFile file(backups.filePath(names.value(0)));
            return names.size() == 1 && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                       : QByteArray();
        };
        QCOMPARE(backupBytes("-from-box.dat"),
                 QByteArray::fromStdString(writeChannelText(*expected, FileForm::Long)));

        editor.frame->editList(EditKind::EditChannel, ListTable::Main,
                               [](ChannelTable& table) { table.tv()[0].setName("Changed here"); });
        editor.prompts.answers = {Prompter::Answer::Yes}; // "Send channel list to Box ?"
        editor.frame->action(Command::SendToBox)->trigger();
        QCOMPARE(editor.prompts.shown.value(0), QStringLiteral("Send channel list to Box ?"));
        QCOMPARE(editor.prompts.shown.value(1),
                 QStringLiteral("receiver connected, baudrate: 57600\nTotal:   66\nAdded:   66\n"
                                "Failed:  0\nUnknown: 0"));
        for (int i = 0; i < 100 && !QFile::exists(box.store()); ++i)
            QTest::qWait(20);
        QFile stored(box.store());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QByteArray written = QByteArray::fromStdString(
            writeChannelText(*editor.state().mainTable(), FileForm::Long));
        written.replace("\r\n", "\n");
        QCOMPARE(stored.readAll(), written);
        QVERIFY(!QFile::exists(editor.transfers->transferFile()));
        QCOMPARE(backupBytes("-to-box.dat").replace("\r\n", "\n"), written);

        // Restore lists both, newest first, and opens the chosen one as a new modified list.
        QList<BackupRow> listed;
        editor.frame->findChild<BackupCommands*>()->setChooser(
            [&](const QList<BackupRow>& rows, QWidget*) {
                listed = rows;
                return std::optional<int>(rows[0].direction == QStringLiteral("to Box"));
            });
        editor.prompts.answers = {Prompter::Answer::No}; // do not save the edited list
        editor.frame->action(Command::RestoreFromBackup)->trigger();
        QCOMPARE(listed.size(), 2);
        const BackupRow& fromBox = listed[listed[0].direction == QStringLiteral("to Box")];
        QCOMPARE(fromBox.difference,
                 QStringLiteral("1 only in the backup, 1 only in the list, 0 at another slot"));
        QCOMPARE(editor.state().mainTable()->tv()[0].name(), expected->tv()[0].name());
        QVERIFY(editor.state().modified && editor.state().currentPath.isEmpty());
        QVERIFY(editor.frame->windowTitle().startsWith(QStringLiteral("Backup ")));
        QVERIFY(editor.frame->windowTitle().contains(QStringLiteral(" from Box")));

        // A backup folder that cannot be made never stops a transfer.
        qputenv("XDG_DATA_HOME", box.store().toLocal8Bit()); // a file, not a folder
        editor.prompts.answers = {Prompter::Answer::No};
        editor.frame->action(Command::LoadFromBox)->trigger();
        QVERIFY(editor.prompts.errors.isEmpty());
        QVERIFY(editor.frame->statusBar()->currentMessage().contains(
            QStringLiteral("Backup not written: ")));
    }

    // Old receiver software answers "Added!", which the newer software's receiver never says.
    void linesTheBoxDidNotAddAreNoSuccess() {
        Editor editor({BoxType::Pella1Rondel, 1});
        Receiver box(editor.dir);
        QVERIFY(editor.frame->loadFile(kSample));
        editor.state().settings.transferAsk = false;
        editor.frame->action(Command::SendToBox)->trigger();
        QCOMPARE(editor.prompts.errors.size(), 1);
        QVERIFY2(editor.prompts.errors[0].startsWith(
                     QStringLiteral("66 of 66 channels were not confirmed by the Box.\nCheck the "
                                    "receiver type and software version in Settings › Options: "
                                    "the Box may have stored them more than once.\n\nTotal:")),
                 qPrintable(editor.prompts.errors[0]));
    }

    void failuresSayCommunicationError() {
        Editor editor;
        QVERIFY(editor.frame->loadFile(kSample));
        {
            Receiver box(editor.dir, {"--silent"});
            editor.frame->setModified(true);
            editor.prompts.answers = {Prompter::Answer::No}; // do not save the changes
            editor.frame->action(Command::LoadFromBox)->trigger();
            QVERIFY(editor.prompts.shown.last().startsWith(QStringLiteral("Communication error.")));
            QVERIFY(editor.prompts.shown.last().contains(QStringLiteral("Can't connect")));
            QVERIFY(!editor.state().modified);
            QCOMPARE(editor.frame->windowTitle(), QStringLiteral("sample.dat[*] - Kanalo"));
        }
        // A missing tool fails the same way.
        QTemporaryDir empty;
        editor.transfers->runner().searchFolders = {empty.path()};
        editor.state().settings.transferAsk = false;
        editor.frame->action(Command::SendToBox)->trigger();
        QCOMPARE(editor.prompts.shown.last(), QStringLiteral("Communication error."));
    }

    void cancelEndsTheTool() {
        Editor editor;
        Receiver box(editor.dir, {"--silent"});
        QTimer::singleShot(300, [&] {
            auto* progress = editor.frame->findChild<QDialog*>(QStringLiteral("transferProgress"));
            QVERIFY(progress && progress->isVisible());
            progress->findChild<QPushButton*>()->click();
        });
        QElapsedTimer timer;
        timer.start();
        editor.frame->action(Command::LoadFromBox)->trigger();
        QVERIFY(timer.elapsed() < 2500);
        QCOMPARE(editor.prompts.shown.size(), 1);
        QVERIFY(editor.prompts.shown.last().startsWith(QStringLiteral("Communication error.")));
        QVERIFY(!editor.state().listLoaded());
    }

    void configuredDeviceReachesTheTool() {
        Editor editor;
        Receiver box(editor.dir);
        const QByteArray link = qgetenv("KANALO_COM1");
        qputenv("KANALO_COM1", "/nonexistent/tty");
        editor.state().settings.comDevices[0] = QString::fromLocal8Bit(link) + QStringLiteral("  ");
        editor.frame->action(Command::LoadFromBox)->trigger();
        QCOMPARE(editor.prompts.shown, QStringList{});
        QVERIFY(editor.state().listLoaded());
    }

    void sendNeedsAMainList() {
        Editor editor;
        QVERIFY(!editor.frame->action(Command::SendToBox)->isEnabled());
        editor.transfers->sendToBox();
        QCOMPARE(editor.prompts.shown, QStringList{"Please load channellist first."});
    }

    void softwareUpdateRunsTheUpdaterWithThePath() {
        Editor editor;
        // A stand-in updater that records its arguments, one per line.
        QTemporaryDir tools;
        const QString record = tools.filePath(QStringLiteral("arguments.txt"));
        QFile updater(tools.filePath(QStringLiteral("Update3")));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        updater.write(
            QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(record).toUtf8());
        updater.close();
        updater.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        editor.transfers->runner().searchFolders = {tools.path()};

        const QString file = editor.dir.filePath(QStringLiteral("new software;echo x.pad"));
        QFile(file).open(QIODevice::WriteOnly);
        editor.prompts.fileNames = {file};
        editor.frame->action(Command::SoftwareUpdate)->trigger();
        QCOMPARE(editor.state().settings.binFolder, editor.dir.path());
        QFile arguments(record);
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()),
                 QStringLiteral("-p\n1\n-c\n%1\n").arg(file));

        // Cancelling the file dialog starts nothing and keeps the folder.
        QFile::remove(record);
        editor.prompts.fileNames = {};
        editor.frame->action(Command::SoftwareUpdate)->trigger();
        QVERIFY(!QFile::exists(record));
        QCOMPARE(editor.state().settings.binFolder, editor.dir.path());
    }

    // An updater may be writing the receiver's software: nothing may cut it short.
    void updateRunsToItsEndInAWindowOfItsOwn() {
        Editor editor;
        editor.transfers->runner().searchFolders = {kBin};
        qputenv("KANALO_UPDATER_PAUSE_MS", "1500");
        const QString file = editor.dir.filePath(QStringLiteral("new.pad"));
        QFile(file).open(QIODevice::WriteOnly);
        editor.prompts.fileNames = {file};
        QString seen;
        bool modalWithoutCancel = false, closed = true;
        QTimer::singleShot(700, [&] {
            auto* progress = editor.frame->findChild<QDialog*>(QStringLiteral("transferProgress"));
            if (!progress)
                return;
            modalWithoutCancel = !editor.frame->isEnabled() && progress->isEnabled() &&
                                 !progress->findChild<QPushButton*>();
            seen = progress->findChild<QPlainTextEdit*>()->toPlainText();
            progress->reject(); // Escape or the window's close button
            closed = editor.frame->close();
            // The window manager's close button, which the system drops for a window behind a
            // modal one.
            closed = closed ||
                     QWindowSystemInterface::handleCloseEvent<
                         QWindowSystemInterface::SynchronousDelivery>(editor.frame->windowHandle());
            editor.frame->action(Command::LoadFromBox)->trigger(); // a second tool on the port
        });
        QElapsedTimer timer;
        timer.start();
        editor.frame->action(Command::SoftwareUpdate)->trigger();
        qunsetenv("KANALO_UPDATER_PAUSE_MS");
        QVERIFY(timer.elapsed() >= 1500 && modalWithoutCancel && !closed);
        QCOMPARE(
            seen,
            QStringLiteral("Update3: would load %1 (0 bytes) into the receiver on COM1").arg(file));
        const QString refusal = QStringLiteral(
            "The Box software update is still running. Kanalo can be closed when it has ended.");
        QCOMPARE(editor.prompts.shown,
                 (QStringList{refusal, refusal, refusal,
                              QStringLiteral("The Box software update has ended successfully.")}));
        QVERIFY(editor.frame->isEnabled());

        // A failing updater is reported with its own words.
        editor.prompts.fileNames = {editor.dir.filePath(QStringLiteral("missing.pad"))};
        editor.frame->action(Command::SoftwareUpdate)->trigger();
        QVERIFY(
            editor.prompts.errors.last().startsWith(QStringLiteral("Communication error.\n\n")));
        QVERIFY(editor.prompts.errors.last().contains(QStringLiteral("cannot open")));
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(TransferTest)
#include "transfer_test.moc"
