// CSettingDlg: the button-assignment popup. Four tabs (key or combination, macro, basic
// functions, advanced actions) over their pages, the Disable box, Default setting and OK; on OK
// the caller reads Choice() and hands it to ApplyAssignment.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "core/buttons/hook_manager.h"
#include "core/buttons/keyboard_layout.h"
#include "core/i18n/ui_language.h"
#include "core/macro/macro_library.h"
#include "core/pages/assignment_popup.h"
#include "core/platform/notifier.h"
#include "core/platform/path_chooser.h"
#include "win/pages/assignment/assignment_page.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/ui/dialog.h"
#include "win/ui/gdi.h"

namespace kx90::pages {

// The window text that identifies the popup; it is never shown.
inline constexpr wchar_t kAssignmentPopupTitle[] = L"NorviKX90SettingDlg";

struct AssignmentPopupArgs {
    std::wstring installDir;
    const UiLanguage* language = nullptr;
    const MacroLibrary* macros = nullptr;
    const KeyboardLayout* keyboard = nullptr;
    HookManager* hooks = nullptr;  // the key capture while the key page shows
    PathChooser* paths = nullptr;
    Notifier* notifier = nullptr;
    int buttonIndex = 0;         // 0..6
    std::u16string currentName;  // the button's display name, shown under the title
};

class CSettingDlg : public ui::Dialog {
public:
    explicit CSettingDlg(AssignmentPopupArgs args);
    ~CSettingDlg() override;

    // Runs the popup modally over owner (centred on it): IDOK when Choice() is to be applied.
    int RunModal(HWND owner);
    const AssignmentChoice& Choice() const { return state_.Choice(); }

    // What tests press and look at.
    HWND TabButton(int tab) const { return tabs_[static_cast<size_t>(tab - 1)].hwnd(); }
    HWND DisableBox() const { return disable_.hwnd(); }
    HWND DefaultButton() const { return default_.hwnd(); }
    HWND OkButton() const { return ok_.hwnd(); }
    HWND CloseButton() const { return close_.hwnd(); }
    // The page of a tab (1..4); null for any other number (kNone: no page is shown).
    AssignmentPageWindow* Page(int tab) const {
        return tab >= 1 && tab <= 4 ? pages_[static_cast<size_t>(tab - 1)].get() : nullptr;
    }
    const PopupView& View() const { return state_.View(); }

protected:
    bool CreateDialogWindow(HWND owner) override;
    bool OnCreate() override;
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnClose() override;

private:
    void MakeButton(skin::CGDIBitmapBtn& button, const RECT& rect, UINT id, const std::u16string* caption);
    void ShowView(const PopupView& view);
    void SetCapture(bool keys);
    void Finish(PopupClose close);

    AssignmentPopupArgs args_;
    AssignmentPopupState state_;
    ui::SkinBitmap normal_;
    ui::SkinBitmap down_;
    ui::SkinBitmap over_;
    skin::CGDIBitmapBtn close_;
    std::array<skin::CGDIBitmapBtn, 4> tabs_;
    skin::CGDIBitmapBtn disable_;
    skin::CGDIBitmapBtn default_;
    skin::CGDIBitmapBtn ok_;
    std::array<std::unique_ptr<AssignmentPageWindow>, 4> pages_;
};

}  // namespace kx90::pages
