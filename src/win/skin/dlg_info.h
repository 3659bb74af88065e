// CDlgInfo: the program's own message box (330 x 160, one line of text, OK or OK and Cancel, a
// close button), with a count-down variant in the bottom-right corner that closes itself.
#pragma once

#include <string>

#include "core/i18n/pair_language.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/ui/dialog.h"
#include "win/ui/gdi.h"

namespace kx90::skin {

inline constexpr wchar_t kInfoDialogTitle[] = L"NorviKX90InfoDlg";

class CDlgInfo : public ui::Dialog {
public:
    static constexpr COLORREF kTextColor = 0x676153;

    std::wstring messageText;
    bool twoButtons = false;
    bool countdown = false;
    PairLanguage language = PairLanguage::kEnglish;  // of the title and the button captions

    HWND OkButton() const { return ok_.hwnd(); }
    HWND CancelButton() const { return cancel_.hwnd(); }
    HWND CloseButton() const { return close_.hwnd(); }

protected:
    bool CreateDialogWindow(HWND owner) override;
    bool OnCreate() override;
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnClose() override;
    bool OnLButtonDown(UINT keys, POINT at) override;

private:
    // rect: where the face is cut from the picture; the window sits extra_ pixels lower.
    void MakeButton(CGDIBitmapBtn& button, const RECT& rect, const std::wstring& caption);
    // Settles the message's font and lines and how much taller than its picture the dialog grows.
    void LayOutMessage();
    void ShowCount();

    ui::SkinBitmap normal_;
    ui::SkinBitmap hover_;
    ui::SkinBitmap pressed_;
    CGDIBitmapBtn ok_;
    CGDIBitmapBtn cancel_;
    CGDIBitmapBtn close_;
    int counter_ = 0;
    int fontHeight_ = 14;
    int extra_ = 0;   // pixels the dialog grows for a long message
    RECT message_{};  // where the message is drawn, wrapped
};

// Shows the info dialog modally over owner (the active window when null): 1 for OK, 2 for Cancel,
// the close button or closing.
int ShowInfoDialog(const std::wstring& text, bool twoButtons, HWND owner = nullptr,
                   PairLanguage language = PairLanguage::kEnglish);

// The count-down variant (device arrival and removal notices): 1 for OK, 2 when it runs out.
int ShowCountdownInfoDialog(const std::wstring& text, HWND owner = nullptr,
                            PairLanguage language = PairLanguage::kEnglish);

}  // namespace kx90::skin
