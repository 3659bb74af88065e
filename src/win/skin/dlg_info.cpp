// CDlgInfo: layout, painting, commands and the count-down.
#include "win/skin/dlg_info.h"

#include <cwchar>

#include "core/layout/skin_controls_layout.h"
#include "win/resources/resource_ids.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

namespace info = layout::info_dialog;

// Title and message are one line each (0x8134). The message too: DrawText would otherwise break a
// long message onto a second line that the dialog has no room for, and draw it, as nothing clips.
constexpr UINT kLineFlags = DT_SINGLELINE | DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS;

// The full-screen work area (the screen less the task bar).
SIZE WorkArea() {
    return SIZE{GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

std::wstring CountCaption(int seconds, PairLanguage language) {
    wchar_t text[32];
    std::swprintf(text, 32, language == PairLanguage::kChinese ? L"\u786E\u5B9A (%ds)" : L"OK (%ds)",
                  seconds);
    return text;
}

}  // namespace

bool CDlgInfo::CreateDialogWindow(HWND owner) {
    CreateArgs args;
    args.style = WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN;
    args.text = kInfoDialogTitle;
    args.rect = RECT{0, 0, info::kSize.width, info::kSize.height};
    args.parent = owner;
    return Create(args);
}

bool CDlgInfo::OnCreate() {
    SetWindowTextW(hwnd(), kInfoDialogTitle);
    normal_ = ui::LoadBitmapResource(twoButtons ? IDB_INFO_TWO_NORMAL : IDB_INFO_ONE_NORMAL);
    hover_ = ui::LoadBitmapResource(twoButtons ? IDB_INFO_TWO_HOVER : IDB_INFO_ONE_HOVER);
    pressed_ = ui::LoadBitmapResource(twoButtons ? IDB_INFO_TWO_PRESSED : IDB_INFO_ONE_PRESSED);
    const SIZE size = normal_.bitmap ? normal_.size : SIZE{info::kSize.width, info::kSize.height};
    const SIZE work = WorkArea();
    SetWindowPos(hwnd(), nullptr, (work.cx - size.cx) / 2, (work.cy - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    MakeButton(close_, ui::ToRect(info::kCloseButton), L"");
    const bool chinese = language == PairLanguage::kChinese;
    const std::wstring okText = chinese ? L"\u786E\u5B9A" : L"OK";
    if (twoButtons) {
        MakeButton(ok_, ui::ToRect(info::kOkOfTwo), okText);
        MakeButton(cancel_, ui::ToRect(info::kCancelOfTwo), chinese ? L"\u53D6\u6D88" : L"Cancel");
    } else {
        MakeButton(ok_, ui::ToRect(info::kOkAlone), okText);
    }
    if (countdown) {
        ok_.SetText(CountCaption(5, language));
        SetWindowPos(hwnd(), nullptr, work.cx - size.cx - 10, work.cy - size.cy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        counter_ = 5;
        StartTimer(timer::kInfoCountdown, 1000);
    }
    return true;
}

void CDlgInfo::MakeButton(CGDIBitmapBtn& button, const RECT& rect, const std::wstring& caption) {
    button.CreateButton(hwnd(), rect);
    button.SetFaceBitmaps(rect, normal_.bitmap.get(), hover_.bitmap.get(), pressed_.bitmap.get(),
                          normal_.bitmap.get());
    button.SetTextColors(kTextColor, 0xFFFFFF, 0xFFFFFF);
    if (!caption.empty()) {
        button.SetText(caption);
    }
}

bool CDlgInfo::OnPaint(HDC dc) {
    ui::DrawBitmap(dc, normal_.bitmap.get(), 0, 0);
    ui::UniqueFont font = ui::CreateUiFont(14, 300);
    ui::DrawTextIn(dc, messageText, ui::ToRect(info::kMessage), font.get(), kTextColor, kLineFlags);
    ui::DrawTextIn(dc, language == PairLanguage::kChinese ? L"\u63D0\u793A" : L"Tips",
                   ui::ToRect(info::kTitle), font.get(), kTextColor, kLineFlags);
    return true;
}

bool CDlgInfo::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto from = reinterpret_cast<HWND>(lParam);
    if (from == nullptr) {
        // The standard dialog commands (keyboard, or another program asking): OK and cancel.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(LOWORD(wParam));
            return true;
        }
        return false;
    }
    if (from == ok_.hwnd()) {
        EndDialog(IDOK);
    } else if (from == cancel_.hwnd() || from == close_.hwnd()) {
        EndDialog(IDCANCEL);
    }
    return true;
}

bool CDlgInfo::OnTimer(UINT_PTR id) {
    if (id != timer::kInfoCountdown) {
        return false;
    }
    if (counter_ <= 0) {
        StopTimer(timer::kInfoCountdown);
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        Sleep(100);
    }
    // The last tick still shows 0 before the posted close arrives.
    ok_.SetText(CountCaption(counter_, language));
    --counter_;
    return true;
}

bool CDlgInfo::OnClose() {
    StopTimer(timer::kInfoCountdown);
    EndDialog(IDCANCEL);
    return true;
}

bool CDlgInfo::OnLButtonDown(UINT, POINT) {
    return true;  // the dialog has no caption and is not dragged
}

int ShowInfoDialog(const std::wstring& text, bool twoButtons, HWND owner, PairLanguage language) {
    CDlgInfo dialog;
    dialog.messageText = text;
    dialog.twoButtons = twoButtons;
    dialog.language = language;
    const int result = dialog.DoModal(owner != nullptr ? owner : GetActiveWindow());
    return result == IDOK ? IDOK : IDCANCEL;
}

int ShowCountdownInfoDialog(const std::wstring& text, HWND owner, PairLanguage language) {
    CDlgInfo dialog;
    dialog.messageText = text;
    dialog.countdown = true;
    dialog.language = language;
    const int result = dialog.DoModal(owner != nullptr ? owner : GetActiveWindow());
    return result == IDOK ? IDOK : IDCANCEL;
}

}  // namespace kx90::skin
