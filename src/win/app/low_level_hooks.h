// The desktop-wide low-level mouse and keyboard hooks; every decision is the HookManager's.
#pragma once

#include <windows.h>

#include "core/buttons/hook_manager.h"

namespace kx90 {

class LowLevelHooks {
public:
    explicit LowLevelHooks(HookManager& manager) : manager_(manager) {}
    ~LowLevelHooks() { Remove(); }
    LowLevelHooks(const LowLevelHooks&) = delete;
    LowLevelHooks& operator=(const LowLevelHooks&) = delete;

    // Reports go to mainWindow from now on. True when both hooks are in place. Installing again
    // (at every arrival of the mouse) replaces the previous pair.
    bool Install(HWND mainWindow);
    void Remove();
    bool Installed() const { return mouseHook_ != nullptr && keyboardHook_ != nullptr; }

    HookManager& Manager() { return manager_; }

private:
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);

    // Hook procedures get no context pointer; one pair of hooks exists per process.
    static LowLevelHooks* active_;

    HookManager& manager_;
    HHOOK mouseHook_ = nullptr;
    HHOOK keyboardHook_ = nullptr;
};

}  // namespace kx90
