// The main window's part in the language choice: the installation language at start-up, the flag
// picture, the popup and the tooltips of the shaped buttons.
#include "core/layout/main_window_layout.h"
#include "win/app/main_window.h"
#include "win/resources/resource_ids.h"
#include "win/skin/menu_ex.h"
#include "win/ui/messages.h"
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

void CKX77DriverDlg::ShowFlag(int languageIndex) {
    shownFlag_ = languageIndex;
    if (flag_ == nullptr) {
        return;  // shown once the picture control exists
    }
    ui::SkinBitmap bitmap = ui::LoadBitmapResource(static_cast<UINT>(ShownFlagBitmap()));
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
    const LanguageStrings& s = app_.language.Strings();
    const std::u16string* profileTexts[kProfileCount] = {&s.str_profile1, &s.str_profile2, &s.str_profile3,
                                                         &s.str_profile4, &s.str_profile5};
    for (int k = 1; k <= kPageCount; ++k) {
        if (pages::PageWindow* page = Page(k)) {
            tabs_[static_cast<size_t>(k - 1)].SetTooltipText(ui::Wide(page->Title()), true);
            page->OnLanguageChanged();
        }
    }
    for (int k = 0; k < kProfileCount; ++k) {
        profiles_[static_cast<size_t>(k)].SetTooltipText(ui::Wide(*profileTexts[k]), true);
    }
    apply_.SetTooltipText(ui::Wide(s.str_ok), true);
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

void CKX77DriverDlg::OnLanguageMessage(WPARAM wParam, LPARAM lParam) {
    const auto index = static_cast<int32_t>(lParam);
    if (wParam == msg::kLanguageFromStartup) {
        languages_.ApplySavedLanguage(index);
    } else {
        languages_.OnPopupChoice(index);
    }
    if (!languages_.PopupOpen()) {
        languagePopup_ = nullptr;
    }
}

}  // namespace kx90
