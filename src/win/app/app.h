// CKX77DriverApp: one copy of the program per session; prepares what the main window and the
// workers share, then runs the main window for the life of the process.
#pragma once

#include <windows.h>

namespace kx90 {

// The named mutex that tells a second copy that the program already runs.
inline constexpr wchar_t kSingleInstanceMutex[] = L"KX90Driver.exe";

class CKX77DriverApp {
public:
    // Runs the whole program; false when it is over (as the framework expects).
    bool InitInstance();

private:
    // Another copy runs: its window is shown as after a double click on its tray icon.
    static void WakeRunningCopy();
};

}  // namespace kx90
