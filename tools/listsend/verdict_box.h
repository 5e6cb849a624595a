#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace kanalo::send {

enum class Verdict { None, Accepted, Rejected };

// The receiver's verdict on the line in flight, handed from the reply thread to the sending
// thread. Works like a manual-reset event with a value: a posted verdict stays signalled
// until the sender clears it before its next send.
class VerdictBox {
public:
    void clear() {
        std::lock_guard lock(mutex_);
        verdict_ = Verdict::None;
        signalled_ = false;
    }

    void post(Verdict verdict) {
        {
            std::lock_guard lock(mutex_);
            verdict_ = verdict;
            signalled_ = true;
        }
        changed_.notify_all();
    }

    // The verdict once signalled, or nothing when the time passes first.
    std::optional<Verdict> waitFor(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, limit, [this] { return signalled_; }))
            return std::nullopt;
        return verdict_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    Verdict verdict_ = Verdict::None;
    bool signalled_ = false;
};

} // namespace kanalo::send
