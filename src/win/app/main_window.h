// CKX77DriverDlg: the program's one top-level window. A borderless skinned window with five tabs,
// five pages, five profile buttons, Apply, a help line and a tray icon; it owns the start-up
// sequence, the write hand-off, the mouse's arrival and removal and the shutdown.
#pragma once

#include <windows.h>

#include <functional>

#include <array>
#include <memory>
#include <string>

#include "core/i18n/language_selection.h"
#include "win/app/app_state.h"
#include "win/pages/main_pages.h"
#include "win/resources/resource_ids.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/skin/irr_button.h"
#include "win/ui/dialog.h"
#include "win/ui/gdi.h"

namespace kx90 {

// The main window's title: also how a second copy of the program finds the first one.
inline constexpr wchar_t kMainWindowTitle[] = L"Norvi KX90 Gaming Mouse Driver";

class CKX77DriverDlg : public ui::Dialog {
public:
    static constexpr int kPageCount = pages::kPageCount;
    static constexpr int kProfileCount = 5;
    // Opening attempts: at start-up ten, 500 ms apart; after an arrival every 2500 ms for 30 s.
    static constexpr int kStartupOpenAttempts = 10;
    static constexpr UINT kStartupOpenPeriodMs = 500;
    static constexpr UINT kArrivalOpenPeriodMs = 2500;
    static constexpr int kArrivalOpenAttempts = 12;
    static constexpr UINT kUpdaterDelayMs = 3000;

    explicit CKX77DriverDlg(AppState& app);
    ~CKX77DriverDlg() override;

    // Creates the window and runs the initialisation; it may already have decided to close (no
    // mouse, boot loader), which happens once messages flow. False when no window was made.
    bool Start();
    // Start() and the message loop until the window has closed: the life of the program.
    int RunMain();
    bool Running() const { return running_; }

    void ShowPage(int k);
    void HideToTray();
    void RefreshEditPages();
    void RequestWrite();

    // What tests and the end-to-end driver look at.
    int CurrentPage() const { return currentPage_; }
    const std::wstring& StatusLine() const { return status_; }
    HWND TabButton(int k) const { return tabs_[static_cast<size_t>(k - 1)].hwnd(); }
    HWND ProfileButton(int k) const { return profiles_[static_cast<size_t>(k - 1)].hwnd(); }
    HWND ApplyButton() const { return apply_.hwnd(); }
    HWND MinimizeButton() const { return minimize_.hwnd(); }
    HWND CloseButton() const { return close_.hwnd(); }
    HWND LanguageButton() const { return language_.hwnd(); }
    HWND FlagPicture() const { return flag_; }
    // The flag picture's bitmap resource, 0 before any language was chosen.
    int ShownFlagBitmap() const { return shownFlag_ != 0 ? IDB_LANGUAGE_FLAG_FIRST + shownFlag_ - 1 : 0; }
    HWND LanguagePopup() const { return languagePopup_; }
    bool HasSkin() const { return skinLoaded_; }
    bool DeviceOpened() const { return deviceOpened_; }
    // Page k (1..5, in tab order), or null before the pages exist and after shutdown.
    pages::PageWindow* Page(int k) const {
        return k >= 1 && k <= kPageCount ? pages_[static_cast<size_t>(k - 1)].get() : nullptr;
    }
    // The first page of a type, for tests.
    template <typename PageType>
    PageType* PageOf() const {
        for (const auto& page : pages_) {
            if (auto* found = dynamic_cast<PageType*>(page.get())) {
                return found;
            }
        }
        return nullptr;
    }

    bool PreTranslateMessage(MSG& msg) override;

protected:
    bool CreateDialogWindow(HWND owner) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnClose() override;

private:
    // Start-up, in its order; the second half runs once the opening attempts are over.
    void Initialise();
    // Each file of the installation that is missing, once, in the info dialog.
    void ReportMissingParts();
    void FinishInitialisation();
    void Shutdown();

    // Layout and painting (main_window_layout.cpp).
    void LoadSkins();
    void LoadApplyFaces();
    void CreateControls();
    void CreatePages();
    bool PagesExist() const { return pages_[0] != nullptr; }
    void SetStatusCode(int code);
    void InvalidateStatus();

    // Commands (main_window_commands.cpp).
    void OnShapedButton(HWND button);
    void SelectProfileButton(int k);
    void OnApply();
    void ShowProfileStates();
    void OnWriteSucceeded();
    void OnWriteFailed(int code);
    void OnRestoreDefaults();
    void OnHostEvent(WPARAM wParam, LPARAM lParam);

    // The device link (main_window_device.cpp).
    // Looks for the mouse in firmware-update mode twice, 500 ms apart, running meanwhile (work that
    // shows nothing) in the pause.
    bool ProbeBootLoader(const std::function<void()>& meanwhile);
    void OnStartupOpenTimer();
    void OnArrivalOpenTimer();
    void RegisterDeviceNotifications();
    void OnDeviceChange(WPARAM event, LPARAM data);
    void OnMouseArrived();
    void OnMouseOpenedAfterArrival();
    void OnMouseRemoved();
    void UpdateFirmwareVersion();
    void ShowNotFoundNotice();

    // The tray (main_window_tray.cpp).
    void AddTrayIcon();
    void RemoveTrayIcon();
    void OnTrayNotify(LPARAM event);
    void ShowFromTray();

    // Languages (main_window_language.cpp).
    void StartInstallLanguage();
    void ShowFlag(int languageIndex);
    void RefreshTooltips();
    void OpenLanguagePopup();
    void OnLanguageMessage(WPARAM wParam, LPARAM lParam);

    AppState& app_;
    std::wstring installDir_;
    LanguageSelection languages_;
    bool running_ = false;
    bool closing_ = false;
    bool initialised_ = false;
    bool deviceOpened_ = false;
    bool skinLoaded_ = false;
    bool removing_ = false;
    // The mouse is searched for at start-up and after an arrival, each on its timer. At most one
    // search runs: an arrival during a search is left to it.
    enum class DeviceSearch { kNone, kStartup, kArrival };
    DeviceSearch search_ = DeviceSearch::kNone;
    int openAttempts_ = 0;     // of the start-up search
    int arrivalAttempts_ = 0;  // of the search after an arrival
    int currentPage_ = 0;
    int shownFlag_ = 0;  // the language index whose flag shows
    std::wstring status_;

    // The window's picture; its pressed and hover looks are held only until the buttons have cut
    // their faces from them.
    ui::SkinBitmap normal_;
    ui::SkinBitmap down_;
    ui::SkinBitmap over_;
    // What lies under Apply in the normal, hover and pressed looks: the ground for Apply faces that
    // are only the button's box (they follow the interface language, so they are made again).
    ui::UniqueBitmap applyGround_[3];
    skin::CGDIBitmapBtn minimize_;
    skin::CGDIBitmapBtn close_;
    skin::CGDIBitmapBtn language_;
    HWND flag_ = nullptr;
    ui::UniqueBitmap flagBitmap_;
    std::array<skin::CIrrButton, kPageCount> tabs_;
    std::array<skin::CIrrButton, kProfileCount> profiles_;
    skin::CIrrButton apply_;

    pages::PageList pages_;

    HDEVNOTIFY deviceNotify_ = nullptr;
    bool trayAdded_ = false;
    HWND languagePopup_ = nullptr;
    HICON icon_ = nullptr;
};

}  // namespace kx90
