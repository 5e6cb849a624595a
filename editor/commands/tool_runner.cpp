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

namespace kanalo {

namespace {

// Keeps the window painted while a tool runs: its output as it comes, and Cancel unless the
// tool must not be interrupted.
class TransferProgress : public QDialog {
public:
    TransferProgress(QWidget* parent, const QString& heading, const QString& refusal)
        : QDialog(parent), refusal_(refusal) {
        setWindowTitle(QStringLiteral("Kanalo"));
        setModal(true);
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
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../libexec/kanalo"))};
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
    progress.show();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    // Leaving the loop early (the application quitting) must not end an updater.
    process.waitForFinished(uninterruptible.isEmpty() ? 5000 : -1);
    drain();
    progress.hide();
    lastOutput_ = asTerminalShows(lastOutput_);
    if (cancelled || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

} // namespace kanalo
