// Recording fakes of the core's seams, shared by the core tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/clock.h"
#include "core/platform/notifier.h"

namespace kx90::test {

// A clock that never waits: every sleep is recorded and advances the tick count.
class FakeClock final : public Clock {
public:
    void SleepMs(uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    uint32_t TickCount() override { return now; }
    uint64_t TotalSleptMs() const {
        uint64_t total = 0;
        for (uint32_t s : sleeps) {
            total += s;
        }
        return total;
    }

    std::vector<uint32_t> sleeps;
    uint32_t now = 1000;
};

// Records every message and answers the info dialog as told.
class RecordingNotifier final : public Notifier {
public:
    struct Shown {
        std::u16string text;
        std::u16string caption;  // empty for the info dialog
        bool infoDialog = false;
        bool twoButtons = false;
        bool countdown = false;
    };

    int ShowInfo(const std::u16string& text, bool twoButtons, bool countdown) override {
        shown.push_back({text, u"", true, twoButtons, countdown});
        return answer;
    }
    void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override {
        shown.push_back({text, caption, false, false, false});
    }

    std::vector<Shown> shown;
    int answer = kInfoOk;
};

}  // namespace kx90::test
