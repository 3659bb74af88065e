// The pointer sampler's worker: read, store, notify, pause, until stopped.
#include "core/pages/pointer_sampler.h"

#include <utility>

namespace kx90::pages {

namespace {

// Both coordinates in one 64-bit word, so a reader never mixes two samples.
uint64_t Pack(layout::Point p) {
    return (uint64_t{static_cast<uint32_t>(p.x)} << 32) | static_cast<uint32_t>(p.y);
}

layout::Point Unpack(uint64_t word) {
    return {static_cast<int32_t>(static_cast<uint32_t>(word >> 32)),
            static_cast<int32_t>(static_cast<uint32_t>(word))};
}

}  // namespace

void PointerSampler::Start(ReadCursor read, Notify notify, std::chrono::milliseconds period) {
    Stop();
    stop_.Reset();
    worker_ = std::thread(
        [this, read = std::move(read), notify = std::move(notify), period] { Run(read, notify, period); });
}

void PointerSampler::Stop() {
    if (!worker_.joinable()) {
        return;
    }
    stop_.Set();
    worker_.join();
}

layout::Point PointerSampler::Latest() const {
    return Unpack(latest_.load());
}

void PointerSampler::Run(ReadCursor read, Notify notify, std::chrono::milliseconds period) {
    do {
        layout::Point at;
        if (read(at)) {
            latest_.store(Pack(at));
            notify();
        }
    } while (!stop_.WaitFor(period));
}

}  // namespace kx90::pages
