// The main window's part in the language choice: the installation language at start-up, the flag
// picture, the popup and the tooltips of the shaped buttons.
#include "core/i18n/language_strings.h"
#include "core/layout/main_window_layout.h"
#include "win/app/main_window.h"
#include "win/app/messages.h"
#include "win/resources/resource_ids.h"
#include "win/skin/menu_ex.h"
#include "win/ui/text.h"

namespace kx90 {

namespace mw = kx90::layout::main_window;

void CKX77DriverDlg::StartInstallLanguage() {
    const std::wstring ini = installDir_ + L"\\skins\\languagetype.ini";
    const int value = static_cast<int>(GetPrivateProfileIntW(L"languagetype", L"value", 0, ini.c_str()));
    const std::wstring type = ui::Wide(languages_.ApplyInstallLanguage(value));
    const std::wstring config = installDir_ + L"\\FWUpdate\\Config.ini";
    WritePrivateProfileStringW(L"Language", L"Type", type.c_str(), config.c_str());
}

void CKX77DriverDlg::ShowFlag(int flagBitmap) {
    shownFlagBitmap_ = flagBitmap;
    if (flag_ == nullptr) {
        return;  // shown once the picture control exists
    }
    ui::SkinBitmap bitmap = ui::LoadBitmapResource(static_cast<UINT>(flagBitmap));
    HBITMAP old = reinterpret_cast<HBITMAP>(
        SendMessageW(flag_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.bitmap.get())));
    if (old != nullptr && old != flagBitmap_.get()) {
        DeleteObject(old);  // a copy the control made for itself
    }
    flagBitmap_ = std::move(bitmap.bitmap);
    // The picture control sizes itself to the bitmap; keep it where the layout has it.
    SetWindowPos(flag_, nullptr, mw::kLanguageFlagAt.x, mw::kLanguageFlagAt.y, mw::kLanguageFlagSize.width,
                 mw::kLanguageFlagSize.height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(flag_, nullptr, TRUE);
    UpdateWindow(flag_);
}

void CKX77DriverDlg::RefreshTooltips() {
    if (apply_.hwnd() == nullptr) {
        return;
    }
    const LanguageStrings& s = Strings();
    const std::u16string* texts[] = {&s.str_main,     &s.str_led_title, &s.str_macro_manager,
                                     &s.str_sts,      &s.str_about,     &s.str_profile1,
                                     &s.str_profile2, &s.str_profile3,  &s.str_profile4,
                                     &s.str_profile5, &s.str_ok};
    MainShapedButton* buttons[] = {&tabs_[0],     &tabs_[1],     &tabs_[2],     &tabs_[3],
                                   &tabs_[4],     &profiles_[0], &profiles_[1], &profiles_[2],
                                   &profiles_[3], &profiles_[4], &apply_};
    for (size_t i = 0; i < std::size(buttons); ++i) {
        buttons[i]->SetTooltipText(ui::Wide(*texts[i]), true);
    }
    for (pages::PageWindow* page :
         {static_cast<pages::PageWindow*>(mainSet_.get()), static_cast<pages::PageWindow*>(led_.get()),
          static_cast<pages::PageWindow*>(macro_.get()), static_cast<pages::PageWindow*>(statistics_.get()),
          static_cast<pages::PageWindow*>(support_.get())}) {
        if (page != nullptr) {
            page->RefreshTooltips();
            page->Invalidate();
        }
    }
    // The Apply faces follow the interface language.
    LoadApplyFaces();
}

void CKX77DriverDlg::OpenLanguagePopup() {
    if (languagePopup_ != nullptr && IsWindow(languagePopup_)) {
        return;
    }
    RECT button;
    GetWindowRect(language_.hwnd(), &button);
    auto* popup = new skin::CMenuExA();  // deletes itself when its window is gone
    popup->SetBackgroundImage(IDR_POPUP_BACKGROUND);
    const int x = button.left - 4;
    const int y = button.bottom - 287;
    if (!popup->CreatePopup(hwnd(), x, y, x + 10, y + 10, msg::kLanguageChoice)) {
        return;  // a popup that could not be created has deleted itself
    }
    languagePopup_ = popup->hwnd();
    languages_.OnPopupOpened();
}

}  // namespace kx90
