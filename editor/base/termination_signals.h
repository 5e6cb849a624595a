#pragma once

#include <QObject>

class QSocketNotifier;

namespace kanalo {

// Ends the editor in order on SIGINT, SIGTERM and SIGHUP (Ctrl+C in the terminal that started
// it, kill, a closed terminal). The handler only writes the signal's number into a pipe; the
// event loop reads it, announces the end so the command groups can tidy up (the private
// transfer folder), and the process then ends by the same signal. No destructor runs on that
// way out, so a child that must outlive the editor (the receiver software updater) is left
// alone. One object, made in main(); tests run without it.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    TerminationSignals();
    ~TerminationSignals() override;

    // The installed handlers, or nullptr.
    static TerminationSignals* instance();

Q_SIGNALS:
    void terminating();

private:
    void handle();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kanalo
