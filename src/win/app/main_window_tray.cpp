// The tray icon: added at start-up with a balloon, its menu, and showing the window again.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

#include "win/app/main_window.h"
#include "win/resources/resource_ids.h"
#include "win/skin/xp_menu.h"
#include "win/ui/messages.h"

namespace kx90 {

namespace {
void CopyText(wchar_t* target, size_t capacity, const wchar_t* text) {
    wcsncpy_s(target, capacity, text, _TRUNCATE);
}
}  // namespace

void CKX77DriverDlg::AddTrayIcon() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd();
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.uCallbackMessage = msg::kTrayNotify;
    data.hIcon = icon_;
    CopyText(data.szTip, std::size(data.szTip), kMainWindowTitle);
    CopyText(data.szInfoTitle, std::size(data.szInfoTitle), L"Running");
    CopyText(data.szInfo, std::size(data.szInfo), kMainWindowTitle);
    data.dwInfoFlags = NIIF_INFO;
    data.uTimeout = 5000;
    trayAdded_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void CKX77DriverDlg::RemoveTrayIcon() {
    if (!trayAdded_) {
        return;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd();
    data.uID = 0;
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayAdded_ = false;
}

void CKX77DriverDlg::OnTrayNotify(LPARAM event) {
    if (event == WM_LBUTTONDBLCLK) {
        ShowFromTray();
    } else if (event == WM_RBUTTONUP) {
        static const skin::XPMenuItem kItems[] = {
            {IDI_TRAY_CONFIG, IDI_TRAY_CONFIG, L"Config", cmd::kTrayConfig},
            {IDI_TRAY_EXIT, IDI_TRAY_EXIT, L"Exit", cmd::kTrayExit},
        };
        POINT at;
        GetCursorPos(&at);
        SetForegroundWindow(hwnd());
        skin::CXPMenu::Track(hwnd(), at, kItems, 2);
    }
}

void CKX77DriverDlg::ShowFromTray() {
    RefreshEditPages();
    // The window stays hidden until start-up has found the mouse (a second copy may ask earlier).
    if (!initialised_) {
        return;
    }
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
    BringWindowToTop(hwnd());
}

}  // namespace kx90
