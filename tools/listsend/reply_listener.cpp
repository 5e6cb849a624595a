#include "tools/listsend/reply_listener.h"

#include "tools/seriallink/deadline.h"
#include "tools/seriallink/protocol_words.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace kanalo::send {

namespace {

constexpr unsigned long replyReadTimeoutMs = 1000;
// After a read error (a hung-up port answers at once) wait this long before the next try.
constexpr unsigned long errorBackoffMs = 100;

bool makeStopPipe(int& readEnd, int& writeEnd) {
    int ends[2];
    if (::pipe(ends) != 0)
        return false;
    for (int end : ends)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    readEnd = ends[0];
    writeEnd = ends[1];
    return true;
}

void closeDescriptor(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

bool ReplyListener::start() {
    if (running())
        return true;
    if (!makeStopPipe(stopRead_, stopWrite_))
        return false;
    try {
        thread_ = std::thread([this] { listen(); });
    } catch (const std::system_error& failure) {
        closeDescriptor(stopRead_);
        closeDescriptor(stopWrite_);
        errno = failure.code().value();
        return false;
    }
    return true;
}

void ReplyListener::stop() {
    if (!running())
        return;
    char wake = 1;
    while (::write(stopWrite_, &wake, 1) < 0 && errno == EINTR) {
    }
    thread_.join();
    closeDescriptor(stopRead_);
    closeDescriptor(stopWrite_);
}

void ReplyListener::listen() {
    std::string line;
    for (;;) {
        if (link_.readReplyLine(line, serial::replyLineCapacity, replyReadTimeoutMs, stopRead_,
                                [this] { verdicts_.noteReplyStarted(); })) {
            takeReply(line);
            continue;
        }
        if (errno == ECANCELED)
            return;
        if (errno != ETIMEDOUT) {
            int events = serial::waitForDescriptor(stopRead_, POLLIN,
                                                   serial::Deadline::afterMs(errorBackoffMs));
            if (events != 0)
                return;
        }
    }
}

void ReplyListener::takeReply(const std::string& line) {
    if (line.find(serial::lineAccepted) != std::string::npos)
        verdicts_.post(Verdict::Accepted);
    if (line.find(serial::lineRejected) != std::string::npos)
        verdicts_.post(Verdict::Rejected);
}

} // namespace kanalo::send
