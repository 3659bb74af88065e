// HidBridge.dll: the installation's bridge library. The program checks that it loads and that
// OpenHidDevice resolves; the library (components/hidbridge) and the program share this declaration.
#pragma once

#include <windows.h>

#ifdef HIDBRIDGE_BUILDING
#define HIDBRIDGE_API __declspec(dllexport)
#else
#define HIDBRIDGE_API __declspec(dllimport)
#endif

extern "C" {

// Opens a HID device interface path for overlapped reading and writing. Returns the handle, or
// INVALID_HANDLE_VALUE (also for a null path). The caller closes it with CloseHandle.
HIDBRIDGE_API HANDLE WINAPI OpenHidDevice(const wchar_t* devicePath);
}

// The export's type, for GetProcAddress (its name is the device link's kBridgeExport).
using OpenHidDeviceFn = HANDLE(WINAPI*)(const wchar_t* devicePath);
