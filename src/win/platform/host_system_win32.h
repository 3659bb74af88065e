// HostSystem over SystemParametersInfoW, PlaySoundW and ShellExecuteW.
#pragma once

#include <windows.h>

#include "core/platform/host_system.h"

namespace kx90 {

class Win32HostSystem final : public HostSystem {
public:
    // settingsWindow receives WM_SETTINGCHANGE after each pointer setting (the main window).
    explicit Win32HostSystem(HWND settingsWindow = nullptr) : settingsWindow_(settingsWindow) {}
    void SetSettingsWindow(HWND window) { settingsWindow_ = window; }

    void SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    void SetMouseSpeed(int speed) override;
    void SetWheelScrollLines(int lines) override;
    void PlaySoundFile(const std::u16string& path) override;
    void ShellOpen(const std::u16string& target) override;
    void OpenWebAddress(const std::u16string& url) override;
    void StartProgram(const std::u16string& program, const std::u16string& arguments) override;

private:
    void AnnounceSetting(UINT action, LPARAM block);

    HWND settingsWindow_;
};

}  // namespace kx90
