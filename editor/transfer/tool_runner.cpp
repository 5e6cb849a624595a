#include "transfer/tool_runner.h"

#include "shell/texts.h"

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
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace kanalo {

namespace {

// Keeps the window painted during a transfer: the tool's output as it comes, and Cancel.
class TransferProgress : public QDialog {
public:
    explicit TransferProgress(QWidget* parent) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Kanalo"));
        setModal(true);
        auto* label = new QLabel(text("Data transfer in progress - please wait ..."), this);
        output_ = new QPlainTextEdit(this);
        output_->setReadOnly(true);
        output_->setMaximumBlockCount(200);
        output_->setMinimumSize(420, 120);
        auto* buttons = new QDialogButtonBox(this);
        cancel_ = buttons->addButton(text("Cancel"), QDialogButtonBox::RejectRole);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(label);
        layout->addWidget(output_);
        layout->addWidget(buttons);
        setObjectName(QStringLiteral("transferProgress"));
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
    QPushButton* cancelButton() const { return cancel_; }

private:
    static QString lastState(const QString& line) {
        const QStringList states = line.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        return states.isEmpty() ? QString() : states.last();
    }

    QPlainTextEdit* output_;
    QPushButton* cancel_;
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

    TransferProgress progress(parent);
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
    QObject::connect(progress.cancelButton(), &QPushButton::clicked, &loop, [&] {
        cancelled = true;
        process.kill();
    });
    QObject::connect(&progress, &QDialog::rejected, &loop, [&] {
        cancelled = true;
        process.kill();
    });

    process.start();
    if (!process.waitForStarted(10000))
        return -1;
    if (showProgress)
        progress.show();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    process.waitForFinished(5000);
    drain();
    progress.hide();
    lastOutput_ = asTerminalShows(lastOutput_);
    if (cancelled || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

} // namespace kanalo
