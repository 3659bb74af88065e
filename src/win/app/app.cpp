#include "win/app/app.h"

#include <commctrl.h>

#include "core/i18n/language_strings.h"
#include "win/app/app_state.h"
#include "win/app/main_window.h"
#include "win/app/messages.h"
#include "win/platform/data_folders.h"
#include "win/ui/gdiplus_support.h"

namespace kx90 {

bool CKX77DriverApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    ui::EnsureGdiplus();

    // Not owned: the handle only has to live as long as this process.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        WakeRunningCopy();
        if (mutex != nullptr) {
            CloseHandle(mutex);
        }
        return false;
    }

    AppOptions options;
    options.folders = ComputeDataFolders();
    LoadLanguageStrings(options.folders.installDir / "Language" / "sc.xml");
    {
        AppState state(std::move(options));
        CKX77DriverDlg window(state);
        window.RunMain();
    }
    if (mutex != nullptr) {
        CloseHandle(mutex);
    }
    return false;
}

void CKX77DriverApp::WakeRunningCopy() {
    if (HWND running = FindWindowW(nullptr, kMainWindowTitle)) {
        PostMessageW(running, msg::kTrayNotify, 0, WM_LBUTTONDBLCLK);
    }
}

}  // namespace kx90
