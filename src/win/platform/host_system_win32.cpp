// Pointer settings, sounds, shell launches for advanced actions, and the installation's programs.
#include "win/platform/host_system_win32.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <string>

namespace kx90 {
namespace {

constexpr UINT kStoreAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

void Win32HostSystem::AnnounceSetting(UINT action, LPARAM block) {
    if (settingsWindow_ != nullptr) {
        SendMessageW(settingsWindow_, WM_SETTINGCHANGE, action, block);
    }
}

void Win32HostSystem::SetMouseAcceleration(int threshold1, int threshold2, int acceleration) {
    int values[3] = {threshold1, threshold2, acceleration};
    SystemParametersInfoW(SPI_SETMOUSE, 0, values, kStoreAndBroadcast);
    AnnounceSetting(SPI_SETMOUSE, reinterpret_cast<LPARAM>(values));
}

void Win32HostSystem::SetMouseSpeed(int speed) {
    // The speed travels in the pointer argument itself, not behind it.
    SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<intptr_t>(speed)),
                          kStoreAndBroadcast);
    AnnounceSetting(SPI_SETMOUSESPEED, 0);
}

void Win32HostSystem::SetWheelScrollLines(int lines) {
    // -1 is WHEEL_PAGESCROLL: one screen per notch.
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr, kStoreAndBroadcast);
    AnnounceSetting(SPI_SETWHEELSCROLLLINES, 0);
}

void Win32HostSystem::PlaySoundFile(const std::u16string& path) {
    PlaySoundW(Wide(path), nullptr, SND_FILENAME | SND_ASYNC);
}

void Win32HostSystem::ShellOpen(const std::u16string& target) {
    ShellExecuteW(nullptr, L"open", Wide(target), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32HostSystem::OpenWebAddress(const std::u16string& url) {
    ShellExecuteW(nullptr, L"open", Wide(url), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void Win32HostSystem::StartProgram(const std::u16string& program, const std::u16string& arguments) {
    // A missing file would make the shell show its own error box; the caller's silence is wanted.
    if (GetFileAttributesW(Wide(program)) == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    ShellExecuteW(nullptr, L"open", Wide(program), arguments.empty() ? nullptr : Wide(arguments), nullptr,
                  SW_SHOWNORMAL);
}

}  // namespace kx90
