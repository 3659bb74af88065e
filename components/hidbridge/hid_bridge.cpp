// HidBridge.dll: opens a HID device path for overlapped I/O.
#include "win/device/hid_bridge_api.h"

extern "C" HANDLE WINAPI OpenHidDevice(const wchar_t* devicePath) {
    if (devicePath == nullptr || devicePath[0] == L'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(devicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
}
