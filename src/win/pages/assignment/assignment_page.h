// What the four pages of the assignment popup share: a child of the popup at its page area, its
// three skin pictures (normal, pressed, hover) and its answer to OK.
#pragma once

#include <windows.h>

#include <string>

#include "core/i18n/ui_language.h"
#include "core/pages/assignment_choice.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/ui/gdi.h"
#include "win/ui/window.h"

namespace kx90::pages {

class AssignmentPageWindow : public ui::Window {
public:
    // Loads InstallDir\skins\<folder>\<stem>_Normal/_Down/_Over.bmp and creates the page hidden at
    // the popup's page area.
    bool CreatePage(HWND popup, const std::wstring& installDir, const UiLanguage& language);
    void Show(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE); }
    // The page's answer to OK for the button; value 0 makes the popup close as cancelled.
    virtual AssignmentChoice Result(int buttonIndex) const = 0;

protected:
    virtual const wchar_t* SkinFolder() const = 0;  // below InstallDir\skins
    virtual const wchar_t* SkinStem() const = 0;
    // The page's own controls, once its window exists.
    virtual void CreateControls() = 0;
    // What the page paints over its picture.
    virtual void PaintTexts(HDC) {}

    // A button whose faces are cut from the page's pictures at rect.
    void MakeButton(skin::CGDIBitmapBtn& button, const RECT& rect, UINT id);
    const UiLanguage& Language() const { return *language_; }
    const LanguageStrings& Texts() const { return language_->Strings(); }
    HBITMAP NormalPicture() const { return normal_.bitmap.get(); }

    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    const UiLanguage* language_ = nullptr;
    ui::SkinBitmap normal_;
    ui::SkinBitmap down_;
    ui::SkinBitmap over_;
};

// The popup's painted texts: 14-pixel "MS Shell Dlg" of weight 300, single line.
ui::UniqueFont AssignmentTextFont();

}  // namespace kx90::pages
