// The main window's life: creation, the start-up sequence, the message switch and the shutdown.
#include "win/app/main_window.h"

#include <windows.h>

#include <shellapi.h>

#include <initializer_list>

#include "core/i18n/language_strings.h"
#include "core/layout/main_window_layout.h"
#include "win/app/messages.h"
#include "win/pages/progress_dialog.h"
#include "win/resources/resource_ids.h"

namespace kx90 {

namespace {
// String resource of the system menu's "about" item; absent resources add nothing.
constexpr UINT kAboutTextResource = 101;
}  // namespace

CKX77DriverDlg::CKX77DriverDlg(AppState& app)
    : app_(app),
      installDir_(app.InstallDir()),
      languages_(app.Folders().installDir, app.Folders().dataDir, app.notifier,
                 LanguageSelection::Effects{
                     [](const std::filesystem::path& file) { LoadLanguageStrings(file); },
                     [this](int flagBitmap) { ShowFlag(flagBitmap); }, [this] { RefreshTooltips(); },
                     [this] {
                         if (languagePopup_ != nullptr && IsWindow(languagePopup_)) {
                             PostMessageW(languagePopup_, WM_CLOSE, 0, 0);
                         }
                         languagePopup_ = nullptr;
                     }}) {}

CKX77DriverDlg::~CKX77DriverDlg() {
    if (hwnd() != nullptr && !closing_) {
        Shutdown();
    }
    Destroy();
}

bool CKX77DriverDlg::Start() {
    if (!CreateDialogWindow(nullptr)) {
        return false;
    }
    running_ = true;
    Initialise();
    return true;
}

int CKX77DriverDlg::RunMain() {
    if (!Start()) {
        return -1;
    }
    ui::RunNestedLoop(running_, this);
    return 0;
}

bool CKX77DriverDlg::CreateDialogWindow(HWND owner) {
    CreateArgs args;
    args.style = WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN;
    args.text = kMainWindowTitle;
    args.rect = RECT{0, 0, layout::main_window::kWindowSize.width, layout::main_window::kWindowSize.height};
    args.parent = owner;
    if (!Create(args)) {
        return false;
    }
    app_.notifier.SetOwner(hwnd());
    app_.host.SetSettingsWindow(hwnd());
    return true;
}

void CKX77DriverDlg::Initialise() {
    // 1. System menu item and icons.
    wchar_t about[128] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), kAboutTextResource, about, 128) > 0) {
        if (HMENU system = GetSystemMenu(hwnd(), FALSE)) {
            AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(system, MF_STRING, cmd::kAbout, about);
        }
    }
    icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KX90));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    app_.profiles.PrepareDataDir();  // 2
    StartInstallLanguage();          // 3
    if (ProbeBootLoader()) {         // 4: the flasher takes over and this copy closes
        LaunchFlashTool(installDir_, hwnd());
        return;
    }
    app_.sink.SetMainWindow(hwnd());  // 5
    app_.macros.LoadMacroLibrary();   // 6
    LoadSkins();                      // 7
    CreateControls();
    CreatePages();  // 8
    ShowPage(1);
    AddTrayIcon();                  // 9
    app_.profiles.LoadCatalogue();  // 10 (also takes the slot's macro identifiers)
    ShowProfileStates();
    RegisterDeviceNotifications();  // 11
    // 13: the saved language replaces the installation language once the loop runs.
    const int32_t index = ReadLanguageIndex(app_.Folders().dataDir, app_.notifier);
    PostMessageW(hwnd(), msg::kLanguageChoice, kLanguageMessageFromStartup, static_cast<LPARAM>(index));
    if (app_.driver.Create() != 1) {  // 14: no bridge library, no device
        return;
    }
    // 15: the attempts run on a timer so the window stays responsive.
    openAttempts_ = 0;
    OnStartupOpenTimer();
}

void CKX77DriverDlg::FinishInitialisation() {
    if (mainSet_ != nullptr) {  // 16
        mainSet_->RefreshFromRecord();
        led_->RefreshFromRecord();
    }
    if (!deviceOpened_) {  // 17
        ShowNotFoundNotice();
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    app_.StartWriter();           // 18 (the update check comes with its own thread later)
    UpdateFirmwareVersion();      // 19
    ShowWindow(hwnd(), SW_SHOW);  // 20
    BringWindowToTop(hwnd());
    SetForegroundWindow(hwnd());
    app_.hooks.Install(hwnd());
    app_.hookManager.SetCaptureMode(false, true);
    StartTimer(timer::kStartUpdater, kUpdaterDelayMs);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_MINIMIZEBOX);
    initialised_ = true;
}

bool CKX77DriverDlg::OnClose() {
    if (!closing_) {
        Shutdown();
    }
    return true;
}

void CKX77DriverDlg::Shutdown() {
    closing_ = true;
    StopTimer(timer::kStartupOpen);
    StopTimer(timer::kArrivalOpen);
    StopTimer(timer::kStartUpdater);
    RemoveTrayIcon();  // 1
    // 2: the pages in page order.
    for (pages::PageWindow* page : std::initializer_list<pages::PageWindow*>{
             mainSet_.get(), led_.get(), macro_.get(), statistics_.get(), support_.get()}) {
        if (page != nullptr) {
            page->Destroy();
        }
    }
    mainSet_.reset();
    led_.reset();
    macro_.reset();
    statistics_.reset();
    support_.reset();
    if (deviceNotify_ != nullptr) {
        UnregisterDeviceNotification(deviceNotify_);
        deviceNotify_ = nullptr;
    }
    app_.driver.Release();  // 3
    app_.driver.Destroy();
    // 4-6: the writer learns that the window is gone, both threads are woken and get at most a
    // second to end (less when they end sooner).
    app_.sink.SetMainWindow(nullptr);
    app_.progress.Close();
    app_.StopWorkers();
    running_ = false;  // 7
    Destroy();
}

bool CKX77DriverDlg::OnTimer(UINT_PTR id) {
    switch (id) {
        case timer::kStartUpdater: {
            StopTimer(timer::kStartUpdater);
            const std::wstring updater = installDir_ + L"\\norvi_update\\NorviUpdate.exe";
            // A missing updater is no reason for an error box from the shell.
            if (GetFileAttributesW(updater.c_str()) != INVALID_FILE_ATTRIBUTES) {
                ShellExecuteW(nullptr, L"open", updater.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            }
            return true;
        }
        case timer::kStartupOpen:
            OnStartupOpenTimer();
            return true;
        case timer::kArrivalOpen:
            OnArrivalOpenTimer();
            return true;
        default:
            return false;
    }
}

bool CKX77DriverDlg::PreTranslateMessage(MSG& msg) {
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE)) {
        return true;
    }
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
        HideToTray();
        return true;
    }
    return false;
}

LRESULT CKX77DriverDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kLanguageChoice:
            languages_.OnLanguageMessage(static_cast<uint32_t>(wParam), static_cast<int32_t>(lParam));
            if (!languages_.PopupOpen()) {
                languagePopup_ = nullptr;
            }
            return 0;
        case msg::kTrayNotify:
            OnTrayNotify(lParam);
            return 0;
        case msg::kWriteSucceeded:
            OnWriteSucceeded();
            return 0;
        case msg::kWriteFailed:
            OnWriteFailed(static_cast<int>(lParam));
            return 0;
        case msg::kHostEvent:
            OnHostEvent(wParam, lParam);
            return 0;
        case msg::kStatusText:
            SetStatusCode(static_cast<int>(lParam));
            return 0;
        case msg::kRestoreDefaults:
            OnRestoreDefaults();
            return 0;
        case WM_DEVICECHANGE:
            OnDeviceChange(wParam, lParam);
            return TRUE;
        case WM_QUERYENDSESSION:
            if (statistics_ != nullptr) {
                statistics_->SaveCounters();
            }
            return TRUE;
        case WM_DESTROY:
            running_ = false;
            break;
        default:
            break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

}  // namespace kx90
