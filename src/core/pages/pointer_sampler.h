// The statistics page's pointer sampler: a worker thread that reads the cursor position every
// period, keeps the latest one and tells the page, which does all the arithmetic on its own thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

#include "core/layout/geometry.h"
#include "core/platform/manual_reset_event.h"

namespace kx90::pages {

inline constexpr std::chrono::milliseconds kPointerSamplePeriod{500};

class PointerSampler {
public:
    // Reads the cursor's screen position; false when it cannot be read now (a locked desktop).
    using ReadCursor = std::function<bool(layout::Point& at)>;
    // Called on the worker after each sample is stored; it must only post.
    using Notify = std::function<void()>;

    PointerSampler() = default;
    ~PointerSampler() { Stop(); }
    PointerSampler(const PointerSampler&) = delete;
    PointerSampler& operator=(const PointerSampler&) = delete;

    // Starts the worker (a running one is stopped first). The first sample is taken at once.
    void Start(ReadCursor read, Notify notify, std::chrono::milliseconds period = kPointerSamplePeriod);
    // Wakes the worker from its pause and joins it: no sample and no notification after this.
    void Stop();
    bool Running() const { return worker_.joinable(); }

    // The latest sample; x and y always come from the same one.
    layout::Point Latest() const;

private:
    void Run(ReadCursor read, Notify notify, std::chrono::milliseconds period);

    std::atomic<uint64_t> latest_{0};
    ManualResetEvent stop_;
    std::thread worker_;
};

}  // namespace kx90::pages
