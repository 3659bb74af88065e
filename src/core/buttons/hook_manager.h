// Decisions of the low-level mouse and keyboard hooks: what to report, what to withhold.
// The Win32 hook procedures only ask this object and post what it says.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace kx90 {

// Window messages the hooks post (to the capture target) and the host-event copy for statistics.
inline constexpr uint32_t kHostEventMessage = 0x7EB;
inline constexpr uint32_t kKeyCaptureMessage = 0x40A;
inline constexpr uint32_t kHostEventCopyMessage = 0x4C9;

// Low-level mouse messages the hook sees.
inline constexpr uint32_t kMsgMouseMove = 0x200;
inline constexpr uint32_t kMsgLButtonDown = 0x201;
inline constexpr uint32_t kMsgRButtonDown = 0x204;
inline constexpr uint32_t kMsgMButtonDown = 0x207;
inline constexpr uint32_t kMsgMouseWheel = 0x20A;
inline constexpr uint32_t kMsgXButtonDown = 0x20B;
inline constexpr uint32_t kMsgXButtonUp = 0x20C;

// Host event codes of the wheel: 0x20A00 toward the user, 0x20A01 away from the user.
constexpr uint32_t WheelCode(uint32_t mouseData) {
    return 0x20A00u + (static_cast<int32_t>(mouseData) >= 0 ? 1u : 0u);
}
// Side buttons: mouseData holds 1 or 2 in its high word, giving 0x1020B and 0x2020B.
constexpr uint32_t SideButtonCode(uint32_t mouseData) { return kMsgXButtonDown + mouseData; }

// The host event codes whose button carries an advanced action. Written by the profile writer
// thread, read by the hook on the user-interface thread: each entry is one atomic 32-bit value.
class HostActionTable {
public:
    static constexpr int kSize = 12;

    void Add(uint32_t code);     // into the first free entry, unless present; a full table ignores it
    void Remove(uint32_t code);  // clears the entry holding the code
    bool Contains(uint32_t code) const;

private:
    std::array<std::atomic<uint32_t>, kSize> entries_{};
};

// A window as the core sees it: an opaque handle value.
using WindowId = uintptr_t;

struct HookPost {
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
};

struct MouseHookDecision {
    HookPost posts[2];  // to the capture target, in this order
    int postCount = 0;
    bool withhold = false;  // true: return nonzero, other programs never see the event
};

class HookManager {
public:
    // Hooks installed: reports go to this window from now on.
    void OnHooksInstalled(WindowId mainWindow);

    void SetCaptureTarget(WindowId window) { captureTarget_ = window; }
    // keys == 0 also resets the target: to the main window when mouse == 0, unchanged otherwise.
    void SetCaptureMode(bool keys, bool mouse);

    WindowId CaptureTarget() const { return captureTarget_; }
    WindowId MainWindow() const { return mainWindow_; }
    bool ForwardsKeys() const { return forwardKeys_; }
    bool ForwardsMouse() const { return forwardMouse_; }

    void AddHostAction(uint32_t code) { table_.Add(code); }
    void RemoveHostAction(uint32_t code) { table_.Remove(code); }
    bool IsHostAction(uint32_t code) const { return table_.Contains(code); }

    // One low-level mouse event (message and the event's 32-bit mouseData).
    MouseHookDecision OnMouseEvent(uint32_t message, uint32_t mouseData);
    // One low-level key event: whether to post KeyCaptureMessage(virtualKey, flags).
    bool ForwardKeyEvent() const { return forwardKeys_; }

private:
    HostActionTable table_;
    WindowId captureTarget_ = 0;
    WindowId mainWindow_ = 0;
    bool forwardKeys_ = true;
    bool forwardMouse_ = true;
    uint32_t withheldRelease_ = 0;
};

}  // namespace kx90
