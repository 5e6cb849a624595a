#include "editor/base/termination_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kanalo {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

TerminationSignals* installed = nullptr;
int wakeUp[2] = {-1, -1};

void onSignal(int number) {
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals() {
    if (installed || ::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    installed = this;
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::handle);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals)
        ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (installed != this)
        return;
    for (const int number : kSignals)
        std::signal(number, SIG_DFL);
    delete notifier_;
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    installed = nullptr;
}

TerminationSignals* TerminationSignals::instance() {
    return installed;
}

void TerminationSignals::handle() {
    unsigned char number = 0;
    if (::read(wakeUp[0], &number, 1) != 1)
        return;
    Q_EMIT terminating();
    std::signal(number, SIG_DFL);
    ::raise(number);
}

} // namespace kanalo
