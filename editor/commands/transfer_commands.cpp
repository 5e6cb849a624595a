#include "editor/commands/transfer_commands.h"

#include "core/channels/channel_file.h"
#include "core/channels/channel_file_reader.h"
#include "core/transfer/com_port.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/termination_signals.h"
#include "editor/base/texts.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
#include "editor/commands/transfer_backup.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kanalo {

namespace {

QString updateStillRunning() {
    return text("The Box software update is still running. Kanalo can be closed when it has "
                "ended.");
}

// The warning after an upload the Box did not take whole; empty when every line was added or
// the counts are not in the output. The older tools know only their accept word: a Box that
// confirms with another word stores each line, sent again and again, without their knowing.
QString notAddedWarning(const QString& toolOutput, const ToolInvocation& tool) {
    const auto lastCount = [&](const char* name) -> long {
        const QRegularExpression line(
            QStringLiteral("^%1:\\s*(\\d+)\\s*$").arg(QLatin1String(name)),
            QRegularExpression::MultilineOption);
        long count = -1;
        for (const QRegularExpressionMatch& match : line.globalMatch(toolOutput))
            count = match.captured(1).toLong();
        return count;
    };
    const long total = lastCount("Total");
    const long added = lastCount("Added");
    if (total < 0 || added < 0 || added >= total)
        return {};
    if (tool.launchName == "listsend3")
        return text("%1 of %2 channels were not added by the Box.").arg(total - added).arg(total) +
               QStringLiteral("\n\n") + toolOutput;
    return text("%1 of %2 channels were not confirmed by the Box.").arg(total - added).arg(total) +
           QLatin1Char('\n') +
           text("Check the receiver type and software version in Settings › Options: the Box may "
                "have stored them more than once.") +
           QStringLiteral("\n\n") + toolOutput;
}

// The upload tools report in English on the console; the editor shows their counts in the
// interface language.
QString translatedReport(QString report) {
    const std::pair<const char*, QString> words[] = {
        {"receiver connected, baudrate:", text("receiver connected, baudrate:")},
        {"Total:", text("Total:")},
        {"Added:", text("Added:")},
        {"Failed:", text("Failed:")},
        {"Unknown:", text("Unknown:")},
    };
    for (const auto& [english, shown] : words)
        report.replace(QRegularExpression(QStringLiteral("^") +
                                              QRegularExpression::escape(QLatin1String(english)),
                                          QRegularExpression::MultilineOption),
                       shown);
    return report;
}

} // namespace

TransferCommands::TransferCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    connect(context_.action(Command::LoadFromBox), &QAction::triggered, this,
            &TransferCommands::loadFromBox);
    connect(context_.action(Command::SendToBox), &QAction::triggered, this,
            &TransferCommands::sendToBox);
    connect(context_.action(Command::SoftwareUpdate), &QAction::triggered, this,
            &TransferCommands::softwareUpdate);
    context_.onCommandStatesUpdated(this, [this] { updateStates(); });
    if (TerminationSignals* signalling = TerminationSignals::instance())
        connect(signalling, &TerminationSignals::terminating, this,
                &TransferCommands::tidyUpBeforeTermination);
    updateStates();
}

// A signal ends the editor without its destructors: the transfer tool goes with it (an updater
// runs on), and so does the private folder.
void TransferCommands::tidyUpBeforeTermination() {
    runner_.stop();
    if (folder_)
        folder_->remove();
}

// One tool at a time: two tools on one port would garble each other's bytes.
int TransferCommands::runTool(ToolRunner& runner, const ToolInvocation& tool, const QString& file,
                              const QString& captureFile) {
    toolRunning_ = true;
    const int exitCode = runner.run(context_.widget(), tool, file, captureFile);
    toolRunning_ = false;
    return exitCode;
}

EditorState& TransferCommands::state() {
    return context_.state();
}

void TransferCommands::updateStates() {
    context_.action(Command::LoadFromBox)->setEnabled(true);
    context_.action(Command::SoftwareUpdate)->setEnabled(true);
    context_.action(Command::SendToBox)->setEnabled(state().listLoaded() && !state().showingUpdate);
}

QString TransferCommands::transferFile() const {
    if (!folder_)
        folder_ = std::make_unique<QTemporaryDir>();
    // Without a private folder the transfer runs in the current folder.
    return (folder_->isValid() ? folder_->path() : QStringLiteral(".")) +
           QStringLiteral("/temp.dat");
}

// A port mapped to a device in the settings reaches the tool as KANALO_COM<n>.
void TransferCommands::prepareEnvironment() {
    runner_.environment = QProcessEnvironment::systemEnvironment();
    const int port = state().settings.comPort;
    const QString configured =
        state().settings.comDevices[static_cast<std::size_t>(std::clamp(port, 1, 4) - 1)];
    if (!configured.trimmed().isEmpty())
        runner_.environment.insert(
            QString::fromStdString(comPortVariable(static_cast<unsigned>(port))),
            configured.trimmed());
}

// The tool's own last words (a busy port, a missing dialout membership) help more than the
// bare message.
void TransferCommands::reportFailure(const ToolRunner& runner) {
    QString message = text("Communication error.");
    const QString said = runner.lastOutput().trimmed();
    if (!said.isEmpty())
        message += QStringLiteral("\n\n") + said;
    context_.prompter().error(context_.widget(), message);
}

void TransferCommands::finishStatus() {
    QApplication::restoreOverrideCursor();
    context_.clearStatus();
}

void TransferCommands::loadFromBox() {
    if (toolRunning_)
        return;
    if (!context_.documents().beforeReplacingMainList())
        return;
    context_.showStatus(text("Data transfer in progress - please wait ..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);

    const QString path = transferFile();
    QFile::remove(path);
    prepareEnvironment();
    const ToolInvocation tool = downloadTool(state().receiver, state().settings.comPort);
    const int exitCode = runTool(runner_, tool, path);
    if (exitCode != 0) {
        QFile::remove(path);
        finishStatus();
        reportFailure(runner_);
        return;
    }
    std::string bytes;
    const LoadStatus read = readWholeFile(QFile::encodeName(path).toStdString(), bytes);
    QFile::remove(path);
    if (read != LoadStatus::Ok) {
        finishStatus();
        context_.prompter().error(context_.widget(), text(statusMessage(read)));
        return;
    }
    auto received = std::make_unique<ChannelTable>();
    readChannelText(bytes, *received);
    // The list has no file any more: it is saved through Save As next time.
    context_.documents().showListWithoutFile(*received, ReplacedList::Unmodified);
    finishStatus();
    const QString backupFailure =
        keepTransferBackup(BackupDirection::FromBox, *received, state().settings.backupsKept);
    QString loaded = text("Loaded from the Box: %1 TV and %2 Radio channels.")
                         .arg(qulonglong(received->list(ListKind::Tv).occupiedCount()))
                         .arg(qulonglong(received->list(ListKind::Radio).occupiedCount()));
    if (!backupFailure.isEmpty())
        loaded += QLatin1Char(' ') + backupFailure;
    context_.showStatus(loaded);
    context_.updateCommandStates();
}

void TransferCommands::sendToBox() {
    if (toolRunning_)
        return;
    context_.view()->cancelPendingExchange();
    if (!state().listLoaded()) {
        context_.prompter().error(context_.widget(), text("Please load channellist first."));
        return;
    }
    if (state().settings.transferAsk) {
        const QString question =
            state().receiver.firmware < 2
                ? text("Send channel list to Box ?\nPlease delete all programs first ! "
                       "(Menu>Settings>Factory Settings)")
                : text("Send channel list to Box ?");
        if (context_.prompter().question(context_.widget(), question, false) !=
            Prompter::Answer::Yes)
            return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString path = transferFile();
    if (writeChannelFile(QFile::encodeName(path).toStdString(), *state().mainTable(),
                         state().fileForm()) != SaveStatus::Ok) {
        QFile::remove(path);
        QApplication::restoreOverrideCursor();
        context_.prompter().error(context_.widget(), text("File write error."));
        return;
    }
    // Kept before the Box sees it: this is the copy that helps when the upload goes wrong.
    const QString backupFailure = keepTransferBackup(BackupDirection::ToBox, *state().mainTable(),
                                                     state().settings.backupsKept);
    context_.showStatus(text("Data transfer in progress - please wait ..."));
    prepareEnvironment();
    const QString capture =
        QString::fromStdString(captureFilePath(QFile::encodeName(path).toStdString()));
    const ToolInvocation tool = uploadTool(state().receiver, state().settings.comPort);
    const int exitCode = runTool(runner_, tool, path, capture);
    QFile::remove(path);
    finishStatus();
    if (!backupFailure.isEmpty())
        context_.showStatus(backupFailure);
    if (exitCode != 0) {
        reportFailure(runner_);
    } else {
        QFile output(capture);
        if (output.open(QIODevice::ReadOnly)) {
            // A counter that the tool redraws for every line would otherwise fill the box with
            // thousands of lines.
            const QString counts =
                ToolRunner::asTerminalShows(QString::fromLocal8Bit(output.readAll()));
            // The tools end with 0 whatever the Box refused; a partial list is no success.
            const QString warning = notAddedWarning(counts, tool);
            if (warning.isEmpty())
                context_.prompter().information(context_.widget(), translatedReport(counts));
            else
                context_.prompter().error(context_.widget(), translatedReport(warning));
        }
    }
    QFile::remove(capture);
}

void TransferCommands::softwareUpdate() {
    if (toolRunning_)
        return;
    context_.view()->cancelPendingExchange();
    const QString file = context_.prompter().openFileName(
        context_.widget(), text("Open Software Update File"), state().settings.binFolder,
        text("Software Update Files (*.pad);;All Files (*)"));
    if (file.isEmpty())
        return;
    state().settings.binFolder = QFileInfo(file).absolutePath().left(255);
    prepareEnvironment();
    // An updater cut short can leave the receiver without working software: it runs to its
    // end in a window that cannot be cancelled.
    ToolRunner updater = runner_;
    updater.heading = text("Box software update in progress - please wait ...");
    updater.uninterruptible = updateStillRunning();
    // The path goes to the updater as one argument, whatever characters it holds.
    const int exitCode = runTool(updater,
                                 softwareUpdater(state().receiver.boxType, state().settings.comPort,
                                                 QFile::encodeName(file).toStdString()),
                                 QString());
    if (exitCode == 0)
        context_.prompter().information(context_.widget(),
                                        text("The Box software update has ended successfully."));
    else
        reportFailure(updater);
}

} // namespace kanalo
