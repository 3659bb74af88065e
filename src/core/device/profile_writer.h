// The profile writer: on every Apply it sends the whole live profile to the mouse in a fixed
// order, applies the pointer settings, keeps the host action table in step, and reports progress
// and the outcome.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>
#include <thread>

#include "core/buttons/hook_manager.h"
#include "core/device/usb_driver.h"
#include "core/macro/macro_library.h"
#include "core/platform/clock.h"
#include "core/platform/host_system.h"
#include "core/platform/manual_reset_event.h"
#include "core/platform/notifier.h"
#include "core/platform/write_sink.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// Failure codes of a write, by the step that failed.
enum WriteFailure : int {
    kFailKeyMatrix = 0,
    kFailLedColor = 1,
    kFailEffect = 2,
    kFailMultiColors = 3,
    kFailProximity = 4,
    kFailDpiTable = 5,
};

// The text the main window shows for a failure code (English only), or empty for unknown codes.
std::u16string_view WriteFailureText(int code);

// Pauses of the write itself (ms), besides those of the commands.
inline constexpr uint32_t kWriteStartPauseMs = 50;
inline constexpr uint32_t kButtonPauseMs = 50;
inline constexpr uint32_t kAfterMacroPauseMs = 50;
inline constexpr uint32_t kFinishPauseMs = 300;

struct ProfileWriterParts {
    CUSBDriver& driver;
    Clock& clock;
    const ProfileRecord& liveRecord;
    const std::array<uint32_t, kButtonCount>& liveMacroIds;
    const MacroLibrary& macros;
    HookManager& hooks;
    HostSystem& host;
    WriteSink& sink;
};

// The key-matrix entry of a button's function, without uploading anything: basic functions and
// key combinations. Macro buttons are the writer's to number. 0 for anything else.
uint32_t BasicKeyMatrixEntry(const ButtonAssignment& button, int buttonIndex);

// What WriteProfileOnce returns besides a failure code.
inline constexpr int kWriteDone = -1;
inline constexpr int kWriteStopped = -2;  // the run flag was cleared: the write ended part-way

// One whole write (the steps after the wake-up). Reports through the sink; returns the failure
// code, or kWriteDone on success. With a run flag, a write whose flag is cleared ends before its
// next step and returns kWriteStopped, reporting nothing more.
int WriteProfileOnce(const ProfileWriterParts& parts, const std::atomic<int>* runFlag = nullptr);

// What Apply does with the live record.
enum class ApplyChoice {
    kWrite,            // a profile: it is sent
    kRestoreDefaults,  // damaged, and the user chose the defaults instead
    kNothing,          // damaged, and the user declined: nothing is sent
};

// Apply sends the live record only when it holds a profile: a profile file that failed to load
// leaves its rejected bytes there, and those must never reach the mouse (nor be saved after the
// write). For a damaged record the user is asked, through the two-button info dialog, whether to
// restore the defaults.
ApplyChoice DecideApply(const ProfileRecord& live, Notifier& notifier, PairLanguage language);

// The worker thread: waits on applyEvent and writes while the run flag holds.
class ProfileWriter {
public:
    ProfileWriter(ProfileWriterParts parts, ManualResetEvent& applyEvent, std::atomic<int>& writeIdle);
    // Stops the thread and joins it, so it never outlives the parts it uses: a write in progress
    // ends at its next step.
    ~ProfileWriter();
    ProfileWriter(const ProfileWriter&) = delete;
    ProfileWriter& operator=(const ProfileWriter&) = delete;

    void Start();
    // Clears the run flag and wakes the thread; waits at most maxWaitMs for it to end. A write in
    // progress ends at its next step (one device command can take a few seconds); a thread still
    // busy then is joined by the destructor. True when it ended in time.
    bool Stop(uint32_t maxWaitMs = 1000);
    bool Running() const { return running_.load(); }

private:
    void Run();

    ProfileWriterParts parts_;
    ManualResetEvent& applyEvent_;
    std::atomic<int>& writeIdle_;
    std::atomic<int> runFlag_{1};
    std::atomic<bool> running_{false};
    std::thread thread_;
};

}  // namespace kx90
