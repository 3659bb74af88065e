// Ending a worker thread within a time limit: the workers set a flag when their loop has ended,
// and whoever stops them joins only a thread that has.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace kx90 {

// Waits at most maxWaitMs for running to turn false, then joins the thread. False (and the thread
// left joinable, for an unbounded join later) when it still runs.
inline bool JoinWithin(std::thread& thread, const std::atomic<bool>& running, uint32_t maxWaitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxWaitMs);
    while (running && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (running) {
        return false;
    }
    thread.join();
    return true;
}

}  // namespace kx90
