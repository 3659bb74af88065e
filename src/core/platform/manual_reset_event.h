// An unnamed manual-reset event: stays signalled until reset, wakes every waiter.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kx90 {

class ManualResetEvent {
public:
    void Set() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            signalled_ = true;
        }
        changed_.notify_all();
    }
    void Reset() {
        std::lock_guard<std::mutex> lock(mutex_);
        signalled_ = false;
    }
    bool IsSet() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return signalled_;
    }
    // Waits without a time limit until the event is signalled.
    void Wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return signalled_; });
    }
    // Waits at most the given time; true when the event is signalled.
    bool WaitFor(std::chrono::milliseconds timeout) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, timeout, [this] { return signalled_; });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_ = false;
};

}  // namespace kx90
