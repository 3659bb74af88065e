// Clock seam: the waits and tick counts of the device protocol and the timers of the core.
#pragma once

#include <cstdint>

namespace kx90 {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void SleepMs(uint32_t milliseconds) = 0;
    // Milliseconds since some fixed moment; wraps like GetTickCount.
    virtual uint32_t TickCount() = 0;
};

// The real clock of this machine (std::this_thread::sleep_for and steady_clock).
Clock& SystemClock();

}  // namespace kx90
