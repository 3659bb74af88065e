// WH_MOUSE_LL / WH_KEYBOARD_LL procedures: ask the HookManager, post, return at once.
#include "win/app/low_level_hooks.h"

namespace kx90 {

LowLevelHooks* LowLevelHooks::active_ = nullptr;

bool LowLevelHooks::Install(HWND mainWindow) {
    Remove();
    manager_.OnHooksInstalled(reinterpret_cast<WindowId>(mainWindow));
    active_ = this;
    HINSTANCE module = GetModuleHandleW(nullptr);
    keyboardHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, module, 0);
    mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, module, 0);
    return Installed();
}

void LowLevelHooks::Remove() {
    if (mouseHook_ != nullptr) {
        UnhookWindowsHookEx(mouseHook_);
        mouseHook_ = nullptr;
    }
    if (keyboardHook_ != nullptr) {
        UnhookWindowsHookEx(keyboardHook_);
        keyboardHook_ = nullptr;
    }
    if (active_ == this) {
        active_ = nullptr;
    }
}

LRESULT CALLBACK LowLevelHooks::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active_ != nullptr) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        HookManager& manager = active_->manager_;
        const MouseHookDecision d = manager.OnMouseEvent(static_cast<uint32_t>(wParam), event->mouseData);
        HWND target = reinterpret_cast<HWND>(manager.CaptureTarget());
        for (int i = 0; i < d.postCount; ++i) {
            PostMessageW(target, d.posts[i].message, d.posts[i].wParam, d.posts[i].lParam);
        }
        if (d.withhold) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK LowLevelHooks::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active_ != nullptr && active_->manager_.ForwardKeyEvent()) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        PostMessageW(reinterpret_cast<HWND>(active_->manager_.CaptureTarget()), kKeyCaptureMessage,
                     event->vkCode, event->flags);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace kx90
