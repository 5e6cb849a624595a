#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace kanalo::send {

enum class Verdict { None, Accepted, Rejected };

// The receiver's verdict on the line in flight, handed from the reply thread to the sending
// thread. Works like a manual-reset event with a value: a posted verdict stays signalled
// until the sender clears it before its next send.
//
// Once the first byte of a reply has come, its verdict is at most a line's bytes away: the
// sender then watches for it instead of sleeping, so the next line does not wait for the
// scheduler to wake it (a tenth of a millisecond or more, per line).
class VerdictBox {
public:
    // Beyond this a reply line in progress is waited for asleep again (a slow rate, a rude Box).
    static constexpr std::chrono::milliseconds watchLimit{3};

    void clear() {
        std::lock_guard lock(mutex_);
        verdict_ = Verdict::None;
        signalled_ = false;
        replyStarted_ = false;
    }

    void post(Verdict verdict) {
        {
            std::lock_guard lock(mutex_);
            verdict_ = verdict;
            signalled_ = true;
        }
        changed_.notify_all();
    }

    // The first byte of a reply line has come.
    void noteReplyStarted() {
        {
            std::lock_guard lock(mutex_);
            if (replyStarted_)
                return;
            replyStarted_ = true;
        }
        changed_.notify_all();
    }

    // The verdict once signalled, or nothing when the time passes first.
    std::optional<Verdict> waitFor(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::unique_lock lock(mutex_);
        if (!changed_.wait_until(lock, deadline, [this] { return signalled_ || replyStarted_; }))
            return std::nullopt;
        if (!signalled_) {
            lock.unlock();
            const auto watchEnd = std::min(deadline, std::chrono::steady_clock::now() + watchLimit);
            while (!signalled_ && std::chrono::steady_clock::now() < watchEnd)
                std::this_thread::yield();
            lock.lock();
            if (!changed_.wait_until(lock, deadline, [this] { return signalled_.load(); }))
                return std::nullopt;
        }
        return verdict_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    Verdict verdict_ = Verdict::None;
    std::atomic<bool> signalled_ = false;
    bool replyStarted_ = false;
};

} // namespace kanalo::send
