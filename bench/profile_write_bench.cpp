// A whole profile write against the virtual mouse with the real clock: how close the write comes
// to the pauses the mouse's firmware needs (the ratio should stay at or below 1.03).
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <filesystem>

#include "core/device/profile_writer.h"
#include "core/device/virtual_mouse.h"

namespace kx90 {
namespace {

// The real clock, adding up every pause it was asked for.
class CountingClock final : public Clock {
public:
    void SleepMs(uint32_t ms) override {
        mandatedMs += ms;
        SystemClock().SleepMs(ms);
    }
    uint32_t TickCount() override { return SystemClock().TickCount(); }
    uint64_t mandatedMs = 0;
};

class NullNotifier final : public Notifier {
public:
    int ShowInfo(const std::u16string&, bool, bool) override { return kInfoOk; }
    void ShowMessageBox(const std::u16string&, const std::u16string&) override {}
};

class NullSink final : public WriteSink {
public:
    bool MainWindowAlive() override { return true; }
    void Progress(int) override {}
    void Succeeded() override {}
    void Failed(int) override {}
    void CloseProgress() override {}
};

class NullDriverHost final : public DriverHost {
public:
    void CreateHiddenWindow() override {}
    void DestroyHiddenWindow() override {}
    bool LoadBridge(std::u16string_view, const char*) override { return true; }
    void FreeBridge() override {}
};

void ProfileWrite(benchmark::State& state) {
    const int macroCount = static_cast<int>(state.range(0));
    CountingClock clock;
    VirtualMouse mouse(clock);
    NullDriverHost driverHost;
    CUSBDriver driver(mouse, clock, driverHost);
    driver.Open();
    NullNotifier notifier;
    const auto dir = std::filesystem::temp_directory_path() / "kx90-bench-macros";
    std::filesystem::create_directories(dir);
    const UiLanguage language;
    MacroLibrary macros(dir, notifier, language, clock);
    ProfileRecord record;
    ResetToDefaults(record);
    std::array<uint32_t, kButtonCount> ids{};
    for (int m = 0; m < macroCount; ++m) {
        MacroRecord r{};
        r.recordSize = 4104;
        r.marker = kMacroMarker;
        r.id = 0x01000100u + static_cast<uint32_t>(m);
        r.repeatCount = 1;
        for (uint32_t k = 0; k < 40; ++k) {
            r.events[r.eventCount++] = MakeMacroEvent(k % 2 ? kMacroKeyUp : kMacroKeyDown, 0x41 + k / 2);
        }
        macros.StoreMacro(r);
        record.buttons[2 + m].functionCode = kFunctionMacro;
        ids[static_cast<size_t>(2 + m)] = r.id;
    }
    HookManager hooks;
    NoHostSystem host;
    NullSink sink;
    const ProfileWriterParts parts{driver, clock, record, ids, macros, hooks, host, sink};

    double ratioSum = 0;
    for (auto _ : state) {
        clock.mandatedMs = 0;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(WriteProfileOnce(parts));
        const double elapsedMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        ratioSum += elapsedMs / static_cast<double>(clock.mandatedMs);
        state.counters["mandated_ms"] = static_cast<double>(clock.mandatedMs);
    }
    state.counters["ratio"] = ratioSum / static_cast<double>(state.iterations());
    std::filesystem::remove_all(dir);
}

BENCHMARK(ProfileWrite)->Arg(0)->Arg(1)->Arg(3)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kx90
