#pragma once

#include "core/transfer/transfer_plan.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QProcess;
class QWidget;

namespace kanalo {

// Starts a transfer tool or an updater with an argument list (never through a shell), waits
// for it while a modal progress window shows its live output, and returns its exit code: -1
// when it could not be started, was cancelled or did not end normally.
class ToolRunner {
public:
    // Where launch names are looked up before PATH: toolFolders() of the editor's own folder.
    QStringList searchFolders;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The progress window's text; empty for the transfer text.
    QString heading;
    // Set for a tool that must never be interrupted (an updater writing the receiver's
    // software): its window has no Cancel and answers a close request, its own or the main
    // window's, with this text; the runner waits for the tool's end however long it takes, and
    // the tool runs in a session of its own that outlives the editor. Empty: Cancel ends the
    // tool.
    QString uninterruptible;

    ToolRunner();

    // Runs the tool with the file as its last argument. With a capture file, standard output
    // and standard error go into it as well.
    int run(QWidget* parent, const ToolInvocation& tool, const QString& file,
            const QString& captureFile = {});

    // The private tool folder of an installed tree (libexec/kanalo/ beside bin/ by default),
    // then the program's own folder (a build tree). The private folder comes first, so that an
    // unrelated program of an updater's name beside an installed editor never runs instead.
    static QStringList toolFolders(const QString& programFolder);
    // The one lookup of launch names: the search folders in order, then PATH.
    QString resolve(const QString& launchName) const;
    // Output as a terminal shows it: a counter redrawn after a carriage return keeps only its
    // last state, and blank lines are dropped.
    static QString asTerminalShows(const QString& output);
    // The end of what the last tool printed, its counters reduced to their final state.
    QString lastOutput() const { return lastOutput_; }
    // Ends the running tool, unless it must not be interrupted.
    void stop();

private:
    QString lastOutput_;
    QProcess* running_ = nullptr;
};

} // namespace kanalo
