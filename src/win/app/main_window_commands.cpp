// The main window's commands: tabs and pages, profiles, Apply and the write hand-off, restoring
// the defaults, and the host events of the mouse hook.
#include "core/buttons/host_actions.h"
#include "core/device/profile_writer.h"
#include "win/app/main_window.h"
#include "win/ui/messages.h"

namespace kx90 {

bool CKX77DriverDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    switch (LOWORD(wParam)) {
        case cmd::kMinimize:
            ShowWindow(hwnd(), SW_MINIMIZE);
            app_.hookManager.SetCaptureMode(false, false);
            return true;
        case cmd::kClose:
            HideToTray();
            return true;
        case cmd::kLanguageButton:
            OpenLanguagePopup();
            return true;
        case cmd::kTrayConfig:
            ShowFromTray();
            return true;
        case cmd::kTrayExit:
            PostMessageW(hwnd(), WM_CLOSE, 0, 0);
            return true;
        default:
            break;
    }
    // The shaped buttons report their press with their window and no id.
    if (from != nullptr && from != hwnd()) {
        OnShapedButton(from);
        return true;
    }
    return false;
}

void CKX77DriverDlg::OnShapedButton(HWND button) {
    for (int k = 1; k <= kPageCount; ++k) {
        if (button == TabButton(k)) {
            ShowPage(k);
            return;
        }
    }
    for (int k = 1; k <= kProfileCount; ++k) {
        if (button == ProfileButton(k)) {
            SelectProfileButton(k);
            return;
        }
    }
    if (button == apply_.hwnd()) {
        OnApply();
    }
}

void CKX77DriverDlg::ShowPage(int k) {
    pages::PageWindow* shown = Page(k);
    if (shown == nullptr) {
        return;
    }
    if (pages::PageWindow* leaving = Page(currentPage_); leaving != nullptr && leaving != shown) {
        leaving->OnLeave();
    }
    for (int i = 1; i <= kPageCount; ++i) {
        tabs_[static_cast<size_t>(i - 1)].SetCheck(i == k);
        Page(i)->Show(i == k);
    }
    // Profiles and Apply serve only the pages that edit the profile.
    const BOOL editing = shown->HoldsProfileButtons() ? TRUE : FALSE;
    for (auto& profile : profiles_) {
        EnableWindow(profile.hwnd(), editing);
    }
    EnableWindow(apply_.hwnd(), editing);
    currentPage_ = k;
    shown->OnEnter();
}

void CKX77DriverDlg::HideToTray() {
    if (pages::PageWindow* page = Page(currentPage_)) {
        page->OnLeave();
    }
    ShowWindow(hwnd(), SW_HIDE);
    app_.hookManager.SetCaptureMode(false, false);
}

void CKX77DriverDlg::RefreshEditPages() {
    for (auto& page : pages_) {
        if (page != nullptr) {
            page->RefreshFromRecord();
        }
    }
}

void CKX77DriverDlg::ShowProfileStates() {
    const int current = app_.profiles.CurrentSlot();
    for (int k = 1; k <= kProfileCount; ++k) {
        profiles_[static_cast<size_t>(k - 1)].SetCheck(k == current);
    }
}

void CKX77DriverDlg::SelectProfileButton(int k) {
    for (int i = 1; i <= kProfileCount; ++i) {
        profiles_[static_cast<size_t>(i - 1)].SetCheck(i == k);
    }
    // Nothing goes to the mouse until Apply.
    if (app_.profiles.SelectProfile(k)) {
        RefreshEditPages();
    }
}

void CKX77DriverDlg::OnApply() {
    switch (DecideApply(app_.profiles.LiveRecord(), app_.notifier, app_.language.Pairs())) {
        case ApplyChoice::kWrite:
            break;
        case ApplyChoice::kRestoreDefaults:
            OnRestoreDefaults();
            return;
        case ApplyChoice::kNothing:
            return;
    }
    for (auto& page : pages_) {
        page->BeforeApply();
    }
    RequestWrite();
}

void CKX77DriverDlg::RequestWrite() {
    // Without a writer (the mouse never opened) nobody would ever close the progress window.
    if (app_.writeIdle.load() != 1 || !app_.WriterStarted() || closing_) {
        return;
    }
    // Before the writer wakes: what it reports before the window is up is kept for the window.
    app_.progress.ExpectWrite();
    app_.applyEvent.Set();
    app_.progress.RunModal(hwnd());
}

void CKX77DriverDlg::OnWriteSucceeded() {
    app_.profiles.SaveProfile();
    app_.writeIdle = 1;
}

void CKX77DriverDlg::OnWriteFailed(int code) {
    // The progress window never reaches 100 after a failure: close it before telling the user.
    app_.progress.Close();
    app_.notifier.ShowInfo(std::u16string(WriteFailureText(code)), false, false);
    app_.writeIdle = 1;
    apply_.SetCheck(false);
    apply_.Invalidate();
}

void CKX77DriverDlg::OnRestoreDefaults() {
    // A write in progress reads the live record: leave it alone until the write is over.
    if (app_.writeIdle.load() != 1) {
        return;
    }
    ResetToDefaults(app_.profiles.LiveRecord());
    app_.profiles.LiveMacroIds().fill(0);
    RefreshEditPages();
    RequestWrite();
}

void CKX77DriverDlg::OnHostEvent(WPARAM wParam, LPARAM lParam) {
    RunHostAction(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam), app_.profiles.LiveRecord(),
                  app_.host, [this](uint32_t code, uint32_t value) {
                      for (auto& page : pages_) {
                          if (page != nullptr && page->TakesHostEvents()) {
                              PostMessageW(page->hwnd(), msg::kHostEventCopy, code, value);
                          }
                      }
                  });
}

}  // namespace kx90
