// CKX77DriverApp: one copy per session, and the state and main window for the life of the process.
#include "win/app/app.h"

#include <commctrl.h>

#include "core/i18n/language_strings.h"
#include "win/app/app_state.h"
#include "win/app/main_window.h"
#include "win/platform/data_folders.h"
#include "win/ui/gdiplus_support.h"
#include "win/ui/handles.h"
#include "win/ui/messages.h"

namespace kx90 {

bool CKX77DriverApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    ui::EnsureGdiplus();

    // Held for the whole run: while it exists, another start wakes this copy instead.
    const ui::UniqueHandle mutex(CreateMutexW(nullptr, FALSE, kSingleInstanceMutex));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        WakeRunningCopy();
        return false;
    }

    AppOptions options;
    options.folders = ComputeDataFolders();
    options.checkInstallation = true;
    AppState state(std::move(options));
    // Chinese until the installation language is known, as every first text is.
    state.language.SetStrings(LoadLanguageStrings(state.Folders().installDir / "Language" / "sc.xml"));
    CKX77DriverDlg window(state);
    window.RunMain();
    return false;
}

void CKX77DriverApp::WakeRunningCopy() {
    if (HWND running = FindWindowW(nullptr, kMainWindowTitle)) {
        PostMessageW(running, msg::kTrayNotify, 0, WM_LBUTTONDBLCLK);
    }
}

}  // namespace kx90
