// The real clock over the standard library (portable by nature).
#include "core/platform/clock.h"

#include <chrono>
#include <thread>

namespace kx90 {
namespace {

class RealClock final : public Clock {
public:
    void SleepMs(uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    uint32_t TickCount() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
};

}  // namespace

Clock& SystemClock() {
    static RealClock clock;
    return clock;
}

}  // namespace kx90
