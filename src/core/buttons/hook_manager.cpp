// The hook manager's decisions for low-level mouse events, and the host action table.
#include "core/buttons/hook_manager.h"

namespace kx90 {

void HostActionTable::Add(uint32_t code) {
    if (code == 0 || Contains(code)) {
        return;
    }
    for (auto& entry : entries_) {
        uint32_t expected = 0;
        if (entry.compare_exchange_strong(expected, code, std::memory_order_relaxed)) {
            return;
        }
    }
}

void HostActionTable::Remove(uint32_t code) {
    if (code == 0) {
        return;
    }
    for (auto& entry : entries_) {
        uint32_t expected = code;
        entry.compare_exchange_strong(expected, 0, std::memory_order_relaxed);
    }
}

bool HostActionTable::Contains(uint32_t code) const {
    if (code == 0) {
        return false;
    }
    for (const auto& entry : entries_) {
        if (entry.load(std::memory_order_relaxed) == code) {
            return true;
        }
    }
    return false;
}

void HookManager::OnHooksInstalled(WindowId mainWindow) {
    mainWindow_ = mainWindow;
    captureTarget_ = mainWindow;
}

void HookManager::SetCaptureMode(bool keys, bool mouse) {
    forwardKeys_ = keys;
    forwardMouse_ = mouse;
    if (!keys && !mouse) {
        captureTarget_ = mainWindow_;
    }
}

MouseHookDecision HookManager::OnMouseEvent(uint32_t message, uint32_t mouseData) {
    MouseHookDecision d;
    auto post = [&d](uint32_t msg, uint32_t wParam) { d.posts[d.postCount++] = HookPost{msg, wParam, 0}; };

    switch (message) {
        case kMsgLButtonDown:
        case kMsgRButtonDown:
        case kMsgMButtonDown:
            post(kHostEventMessage, message);
            if (IsHostAction(message)) {
                withheldRelease_ = message + 1;
                d.withhold = true;
                return d;
            }
            break;
        case kMsgMouseWheel: {
            const uint32_t code = WheelCode(mouseData);
            post(kHostEventMessage, code);
            if (IsHostAction(code)) {
                d.withhold = true;
                return d;
            }
            break;
        }
        case kMsgXButtonDown: {
            const uint32_t code = SideButtonCode(mouseData);
            post(kHostEventMessage, code);
            if (IsHostAction(code)) {
                withheldRelease_ = kMsgXButtonUp;
                d.withhold = true;
                return d;
            }
            break;
        }
        default:
            break;
    }

    if (withheldRelease_ != 0 && message == withheldRelease_) {
        withheldRelease_ = 0;
        d.withhold = true;
        return d;
    }
    if (forwardMouse_ && message != kMsgMouseMove) {
        post(kKeyCaptureMessage, message == kMsgMouseWheel ? WheelCode(mouseData) : message + mouseData);
    }
    return d;
}

}  // namespace kx90
