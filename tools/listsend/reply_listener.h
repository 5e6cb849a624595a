#pragma once

#include "tools/listsend/verdict_box.h"
#include "tools/seriallink/serial_link.h"

#include <thread>

namespace kanalo::send {

// The thread that reads the receiver's reply lines and posts "added!" and "Failed!" as
// verdicts. It is woken through a pipe to stop, so it never outlives the port it reads.
class ReplyListener {
public:
    ReplyListener(serial::SerialLink& link, VerdictBox& verdicts)
        : link_(link), verdicts_(verdicts) {}
    ReplyListener(const ReplyListener&) = delete;
    ReplyListener& operator=(const ReplyListener&) = delete;
    ~ReplyListener() { stop(); }

    // False (with errno) when the stop pipe or the thread cannot be created.
    bool start();
    // Ends and joins the thread; does nothing when it is not running.
    void stop();
    bool running() const { return thread_.joinable(); }

private:
    void listen();
    void takeReply(const std::string& line);

    serial::SerialLink& link_;
    VerdictBox& verdicts_;
    std::thread thread_;
    int stopRead_ = -1;
    int stopWrite_ = -1;
};

} // namespace kanalo::send
