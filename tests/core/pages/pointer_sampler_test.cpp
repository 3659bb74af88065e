// The pointer sampler's worker: samples arrive with their position, and Stop ends the worker at
// once even in the middle of a long pause, with nothing reported afterwards.
#include "core/pages/pointer_sampler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace kx90::pages {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

bool WaitFor(const std::function<bool()>& condition, milliseconds timeout) {
    const auto until = steady_clock::now() + timeout;
    while (!condition() && steady_clock::now() < until) {
        std::this_thread::sleep_for(milliseconds(1));
    }
    return condition();
}

TEST(PointerSampler, ReportsEachSampleWithItsPositionAndSkipsUnreadableOnes) {
    std::atomic<int> reads{0};
    std::atomic<int> notified{0};
    PointerSampler sampler;
    sampler.Start(
        [&](layout::Point& at) {
            const int n = ++reads;
            if (n == 2) {
                return false;  // the desktop was locked for this sample
            }
            at = {n * 10, -n};
            return true;
        },
        [&] { ++notified; }, milliseconds(2));
    ASSERT_TRUE(WaitFor([&] { return notified >= 3; }, milliseconds(5000)));
    sampler.Stop();
    EXPECT_EQ(notified.load(), reads.load() - 1) << "no notification for the sample that could not be read";
    const layout::Point last = sampler.Latest();
    EXPECT_EQ(last.x, reads.load() * 10);
    EXPECT_EQ(last.y, -reads.load()) << "negative coordinates (a monitor left or above) survive";
}

TEST(PointerSampler, StopWakesTheWorkerFromItsPauseAndNothingFollows) {
    std::atomic<int> notified{0};
    PointerSampler sampler;
    sampler.Start(
        [](layout::Point& at) {
            at = {1, 2};
            return true;
        },
        [&] { ++notified; }, std::chrono::hours(1));
    ASSERT_TRUE(WaitFor([&] { return notified == 1; }, milliseconds(5000)))
        << "the first sample comes at once";
    EXPECT_TRUE(sampler.Running());
    const auto before = steady_clock::now();
    sampler.Stop();
    EXPECT_LT(steady_clock::now() - before, milliseconds(2000));
    EXPECT_FALSE(sampler.Running());
    std::this_thread::sleep_for(milliseconds(20));
    EXPECT_EQ(notified.load(), 1);

    // It can be started again, and the destructor stops it.
    sampler.Start(
        [](layout::Point& at) {
            at = {3, 4};
            return true;
        },
        [&] { ++notified; }, std::chrono::hours(1));
    EXPECT_TRUE(WaitFor([&] { return notified == 2; }, milliseconds(5000)));
}

}  // namespace
}  // namespace kx90::pages
