// The main window's life: creation, the start-up sequence, the message switch and the shutdown.
#include "win/app/main_window.h"

#include <filesystem>

#include <windows.h>

#include "core/app/installation_check.h"
#include "core/layout/main_window_layout.h"
#include "win/pages/progress_dialog.h"
#include "win/resources/resource_ids.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90 {

namespace {
// String resource of the system menu's "about" item; absent resources add nothing.
constexpr UINT kAboutTextResource = 101;
}  // namespace

CKX77DriverDlg::CKX77DriverDlg(AppState& app)
    : app_(app),
      installDir_(app.InstallDir()),
      languages_(app.Folders().installDir, app.Folders().dataDir, app.language, app.notifier,
                 LanguageSelection::Effects{[this](int languageIndex) { ShowFlag(languageIndex); },
                                            [this] { RefreshTooltips(); },
                                            [this] {
                                                if (languagePopup_ != nullptr && IsWindow(languagePopup_)) {
                                                    PostMessageW(languagePopup_, WM_CLOSE, 0, 0);
                                                }
                                                languagePopup_ = nullptr;
                                            }}) {
    languages_.SetFileWriter(MirroredFileWriter(app.Folders()));
}

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
    app_.paths.SetOwner(hwnd());
    return true;
}

void CKX77DriverDlg::Initialise() {
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

    // The data folder and the installation language come first: every later message needs them.
    app_.profiles.PrepareDataDir();
    StartInstallLanguage();
    // The pause between the two looks for the boot loader builds the window, which stays hidden:
    // nothing in it shows anything before the probe has decided (a missing Macro.cfg is told after).
    bool macroFileMissing = false;
    const bool bootLoader = ProbeBootLoader([this, &macroFileMissing] {
        std::error_code ec;
        macroFileMissing = !std::filesystem::exists(app_.macros.FilePath(), ec);
        app_.macros.LoadMacroLibrary(false);
        LoadSkins();
        CreatePages();  // before the controls: each tab is named by its page
        CreateControls();
        ShowPage(1);
    });
    if (bootLoader) {
        // The mouse waits for new firmware: the flasher takes over and this copy closes.
        LaunchFlashTool(app_.host, installDir_, app_.language.Pairs(), hwnd());
        return;
    }
    if (macroFileMissing) {
        app_.macros.ReportMissingFile();
    }
    app_.sink.SetMainWindow(hwnd());
    AddTrayIcon();
    app_.profiles.LoadCatalogue();  // also takes the slot's macro identifiers
    ShowProfileStates();
    RegisterDeviceNotifications();
    ReportMissingParts();
    // The saved language replaces the installation language once the loop runs.
    const int32_t index = ReadLanguageIndex(app_.Folders().dataDir, app_.notifier);
    PostMessageW(hwnd(), msg::kLanguageChoice, msg::kLanguageFromStartup, static_cast<LPARAM>(index));
    if (app_.driver.Create() != 1) {
        // No bridge library, no device link: the program could only sit in the tray. It says which
        // file is at fault and ends.
        std::error_code ec;
        const PartProblem problem = std::filesystem::is_regular_file(app_.BridgeFile(), ec)
                                        ? PartProblem::kDamaged
                                        : PartProblem::kMissing;
        app_.notifier.ShowInfo(InstallationPartText("HidBridge.dll", problem, app_.language.Pairs()), false,
                               false);
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    // The opening attempts run on a timer so the window stays responsive.
    openAttempts_ = 0;
    OnStartupOpenTimer();
}

void CKX77DriverDlg::ReportMissingParts() {
    if (!app_.ChecksInstallation()) {
        return;
    }
    for (std::string_view part : MissingInstallationParts(app_.Folders().installDir, kInstallationParts)) {
        app_.notifier.ShowInfo(InstallationPartText(part, PartProblem::kMissing, app_.language.Pairs()),
                               false, false);
    }
}

void CKX77DriverDlg::FinishInitialisation() {
    RefreshEditPages();
    if (!deviceOpened_) {
        // Without the mouse there is nothing to configure: say so and end.
        ShowNotFoundNotice();
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    app_.StartWriter();
    app_.StartUpdateWorker();
    ShowWindow(hwnd(), SW_SHOW);
    BringWindowToTop(hwnd());
    SetForegroundWindow(hwnd());
    // Painted before the mouse is asked for its firmware version: only the support page shows it,
    // and the question need not hold up the first paint.
    UpdateWindow(hwnd());
    UpdateFirmwareVersion();
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
    RemoveTrayIcon();
    // The pages in tab order, then the device link, then the workers.
    for (auto& page : pages_) {
        if (page != nullptr) {
            page->Destroy();
            page.reset();
        }
    }
    if (deviceNotify_ != nullptr) {
        UnregisterDeviceNotification(deviceNotify_);
        deviceNotify_ = nullptr;
    }
    app_.driver.Release();
    app_.driver.Destroy();
    // The writer learns that the window is gone; both threads are woken and get at most a second
    // to end (less when they end sooner).
    app_.sink.SetMainWindow(nullptr);
    app_.progress.Close();
    app_.StopWorkers();
    running_ = false;
    Destroy();
}

bool CKX77DriverDlg::OnTimer(UINT_PTR id) {
    switch (id) {
        case timer::kStartUpdater: {
            StopTimer(timer::kStartUpdater);
            app_.host.StartProgram(ui::Utf16(installDir_ + L"\\norvi_update\\NorviUpdate.exe"), u"");
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
        // A window that asks for every key (the lists' rename editor: Enter commits, Escape
        // cancels, a name may hold blanks) keeps them; they never press a button there.
        const LRESULT code =
            SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
        return (code & DLGC_WANTALLKEYS) == 0;
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
            OnLanguageMessage(wParam, lParam);
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
        case msg::kRecordReplaced:
            RefreshEditPages();
            return 0;
        case msg::kRestoreDefaults:
            OnRestoreDefaults();
            return 0;
        case WM_DEVICECHANGE:
            OnDeviceChange(wParam, lParam);
            return TRUE;
        case WM_QUERYENDSESSION:
            for (auto& page : pages_) {
                if (page != nullptr) {
                    page->OnSessionEnd();
                }
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
