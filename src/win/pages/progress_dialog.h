// CDlgProgress: the small modal window shown while the profile writer sends a profile to the
// mouse. It follows 0x42B progress messages and closes itself half a second after 100 %.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
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

    std::wstring installDir_;
    const UiLanguage& language_;
    std::atomic<HWND> handle_{nullptr};
    int position_ = 0;
    std::unique_ptr<ProgressParts> parts_;  // pictures and bar, only while shown
};

// Starts InstallDir\FWUpdate\FlashTool.exe with "1" (Chinese interface) or "0", then posts
// WM_CLOSE to the main window so the flasher has the mouse to itself. Always true.
bool LaunchFlashTool(HostSystem& host, const std::wstring& installDir, PairLanguage language,
                     HWND mainWindow);

}  // namespace kx90
