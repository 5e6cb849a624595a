#include "editor/commands/tool_runner.h"

#include "editor/base/prompter.h"
#include "editor/base/texts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <csignal>
#include <unistd.h>

namespace kanalo {

namespace {

// Keeps the window painted while a tool runs: its output as it comes, and Cancel unless the
// tool must not be interrupted. Such a tool's window is not modal: the system drops a close
// request for a window behind a modal one unseen, so the main window is disabled instead and
// its close requests are answered here.
class TransferProgress : public QDialog {
public:
    TransferProgress(QWidget* parent, const QString& heading, const QString& refusal)
        : QDialog(parent), refusal_(refusal), blocked_(parent ? parent->window() : nullptr) {
        setWindowTitle(QStringLiteral("Kanalo"));
        setModal(refusal_.isEmpty());
        auto* label = new QLabel(
            heading.isEmpty() ? text("Data transfer in progress - please wait ...") : heading,
            this);
        output_ = new QPlainTextEdit(this);
        output_->setReadOnly(true);
        output_->setMaximumBlockCount(200);
        output_->setMinimumSize(420, 120);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(label);
        layout->addWidget(output_);
        if (refusal_.isEmpty()) {
            auto* buttons = new QDialogButtonBox(this);
            buttons->addButton(text("Cancel"), QDialogButtonBox::RejectRole);
            connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
            layout->addWidget(buttons);
        }
        setObjectName(QStringLiteral("transferProgress"));
        if (!refusal_.isEmpty() && blocked_) {
            blocked_->installEventFilter(this);
            blocked_->setEnabled(false);
            setEnabled(true); // a window of its own stays usable
        }
    }

    ~TransferProgress() override {
        if (!refusal_.isEmpty() && blocked_) {
            blocked_->removeEventFilter(this);
            blocked_->setEnabled(true);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != blocked_ || event->type() != QEvent::Close)
            return QDialog::eventFilter(watched, event);
        event->ignore();
        prompter().error(this, refusal_);
        return true;
    }

    // Escape and the close button end up here.
    void reject() override {
        if (refusal_.isEmpty())
            QDialog::reject();
        else
            prompter().error(this, refusal_);
    }

    // Tools redraw their counters with a carriage return; only the latest state is shown.
    void showOutput(const QByteArray& bytes) {
        pending_ += QString::fromLocal8Bit(bytes);
        qsizetype line;
        while ((line = pending_.indexOf(QLatin1Char('\n'))) >= 0) {
            output_->appendPlainText(lastState(pending_.left(line)));
            pending_.remove(0, line + 1);
        }
        if (!pending_.isEmpty())
            setWindowTitle(QStringLiteral("Kanalo - ") + lastState(pending_).trimmed());
    }

private:
    static QString lastState(const QString& line) {
        const QStringList states = line.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        return states.isEmpty() ? QString() : states.last();
    }

    QString refusal_;
    QWidget* blocked_;
    QPlainTextEdit* output_;
    QString pending_;
};

constexpr qsizetype kKeptOutput = 4096;

} // namespace

// Counters redrawn with a carriage return keep only their last state.
QString ToolRunner::asTerminalShows(const QString& output) {
    QStringList lines;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const QStringList states = line.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        if (!states.isEmpty() && !states.last().trimmed().isEmpty())
            lines << states.last().trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList ToolRunner::toolFolders(const QString& programFolder) {
    return {QDir::cleanPath(programFolder + QStringLiteral("/" KANALO_TOOLS_FROM_BIN)),
            programFolder};
}

ToolRunner::ToolRunner() : searchFolders(toolFolders(QCoreApplication::applicationDirPath())) {}

QString ToolRunner::resolve(const QString& launchName) const {
    for (const QString& folder : searchFolders) {
        const QFileInfo candidate(folder + QLatin1Char('/') + launchName);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(launchName);
}

int ToolRunner::run(QWidget* parent, const ToolInvocation& tool, const QString& file,
                    const QString& captureFile) {
    lastOutput_.clear();
    const QString program = resolve(QString::fromStdString(tool.launchName));
    if (program.isEmpty())
        return -1;
    QStringList arguments;
    for (const std::string& argument : tool.arguments)
        arguments << QString::fromStdString(argument);
    if (!file.isEmpty())
        arguments << file;

    QFile capture(captureFile);
    const bool capturing =
        !captureFile.isEmpty() && capture.open(QIODevice::WriteOnly | QIODevice::Truncate);

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProgram(program);
    process.setArguments(arguments);
    if (!uninterruptible.isEmpty()) {
        // Nothing that ends the editor may reach the updater: its own session keeps the
        // terminal's Ctrl+C and hang-up away, an ignored SIGPIPE lets it write on once the
        // editor that read its output is gone, and it reads nothing.
        process.setChildProcessModifier([] {
            ::setsid();
            std::signal(SIGPIPE, SIG_IGN);
        });
        process.setStandardInputFile(QProcess::nullDevice());
    }

    TransferProgress progress(parent, heading, uninterruptible);
    QEventLoop loop;
    bool cancelled = false;
    const auto drain = [&] {
        const QByteArray bytes = process.readAllStandardOutput();
        if (capturing)
            capture.write(bytes);
        progress.showOutput(bytes);
        lastOutput_ = (lastOutput_ + QString::fromLocal8Bit(bytes)).right(kKeptOutput);
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, drain);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    // Cancel, Escape and the close button all reject the window.
    QObject::connect(&progress, &QDialog::rejected, &loop, [&] {
        cancelled = true;
        process.kill();
    });

    process.start();
    if (!process.waitForStarted(10000))
        return -1;
    running_ = &process;
    progress.show();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    // Leaving the loop early (the application quitting) must not end an updater.
    process.waitForFinished(uninterruptible.isEmpty() ? 5000 : -1);
    running_ = nullptr;
    drain();
    progress.hide();
    lastOutput_ = asTerminalShows(lastOutput_);
    if (cancelled || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

void ToolRunner::stop() {
    if (running_ && uninterruptible.isEmpty())
        running_->kill();
}

} // namespace kanalo
