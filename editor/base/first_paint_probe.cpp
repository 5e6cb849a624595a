#include "editor/base/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <time.h>
#include <unistd.h>

namespace kanalo {

namespace {

double nowSinceBoot() {
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

// From the moment of the exec when the benchmark's launcher tells it, else from the process's
// start time in /proc/self/stat (field 22, in clock ticks since boot).
double millisecondsSinceProcessStart() {
    const QByteArray launched = qgetenv("KANALO_LAUNCH_BOOTTIME_NS");
    if (!launched.isEmpty())
        return (nowSinceBoot() - launched.toDouble() / 1e9) * 1000;
    std::ifstream stat("/proc/self/stat");
    std::string text;
    std::getline(stat, text);
    std::istringstream fields(text.substr(text.rfind(')') + 2)); // after the command name
    std::string skipped;
    for (int field = 3; field < 22; ++field)
        fields >> skipped;
    unsigned long long startTicks = 0;
    fields >> startTicks;
    return (nowSinceBoot() - static_cast<double>(startTicks) / ::sysconf(_SC_CLK_TCK)) * 1000;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: the paint itself is done by the time it runs.
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::printf("%.1f\n", millisecondsSinceProcessStart());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

void reportFirstPaintIfAsked(QWidget* widget) {
    if (!qEnvironmentVariableIsEmpty("KANALO_REPORT_FIRST_PAINT"))
        widget->installEventFilter(new FirstPaint(widget));
}

} // namespace kanalo
