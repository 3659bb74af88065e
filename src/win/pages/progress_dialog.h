// CDlgProgress: the small modal window shown while the profile writer sends a profile to the
// mouse. It follows the writer's progress (0x42B) and closes itself half a second after 100 %.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "core/i18n/ui_language.h"
#include "core/platform/host_system.h"
#include "win/ui/dialog.h"
#include "win/ui/messages.h"

namespace kx90 {

// The window text that identifies the progress window; it is never shown.
inline constexpr wchar_t kProgressWindowText[] = L"NorviKX90ProcessDlg";

struct ProgressParts;

class CDlgProgress : public ui::Dialog {
public:
    // The status line follows language.
    CDlgProgress(std::wstring installDir, const UiLanguage& language);
    ~CDlgProgress() override;

    // Shows the window modally over owner and returns when it closes (after 100 %, on Close()
    // or through the system menu).
    int RunModal(HWND owner);
    // A write is about to start (user-interface thread, before the writer wakes): progress reported
    // from now on is for the window RunModal shows next.
    void ExpectWrite();
    // From the writer thread, never waiting: shows the percent while the window is up, keeps the
    // latest one while the expected window is still to come (it shows it when it appears), and
    // drops it once the window has closed for this write or could not be made.
    void ReportProgress(int percent);
    // Closes the window if it is up (the main window does this when a write fails, so the user is
    // never left with a window only the system menu can close).
    void Close();
    // The window while it is shown, else null. Read from the writer thread.
    HWND Handle() const { return handle_.load(); }
    int Position() const;

protected:
    bool CreateDialogWindow(HWND owner) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    void OnProgress(int percent);
    void Paint(HDC dc);

    // Where the writer's reports go, under reportMutex_: kExpected from ExpectWrite until the window
    // is made, kShown while it is up, kIdle once it has gone (or before any write).
    enum class Phase { kIdle, kExpected, kShown };
    void SetPhase(Phase phase);

    std::wstring installDir_;
    const UiLanguage& language_;
    std::atomic<HWND> handle_{nullptr};
    std::mutex reportMutex_;
    Phase phase_ = Phase::kIdle;
    int pendingPercent_ = -1;  // the latest report that came before the window, -1 for none
    int position_ = 0;
    std::unique_ptr<ProgressParts> parts_;  // pictures and bar, only while shown
};

// Starts InstallDir\FWUpdate\FlashTool.exe with "1" (Chinese interface) or "0", then posts
// WM_CLOSE to the main window so the flasher has the mouse to itself. Always true.
bool LaunchFlashTool(HostSystem& host, const std::wstring& installDir, PairLanguage language,
                     HWND mainWindow);

}  // namespace kx90
