// CDlgInfo: layout, painting, commands and the count-down.
#include "win/skin/dlg_info.h"

#include <algorithm>
#include <cwchar>

#include "core/layout/skin_controls_layout.h"
#include "win/resources/resource_ids.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

namespace info = layout::info_dialog;

// The title is one line (0x8134).
constexpr UINT kLineFlags = DT_SINGLELINE | DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS;
// The message wraps at spaces, and inside a word (a path) too long for a line, so every character
// of it shows.
constexpr UINT kMessageFlags = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_LEFT;

// The message's column: right of the icon, up to the frame; between the title bar and the buttons.
constexpr int kMessageLeft = 90;
constexpr int kMessageRight = 315;
constexpr int kMessageTop = 36;
constexpr int kMessageBottom = 122;
// Rows of the picture that repeat when the dialog grows: plain ground below the icon, above the
// buttons. Rows above them stay in place, rows below move down with the buttons.
constexpr int kStretchTop = 106;
constexpr int kStretchBottom = 120;
constexpr int kMaxExtra = 400;

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
    LayOutMessage();
    SIZE size = normal_.bitmap ? normal_.size : SIZE{info::kSize.width, info::kSize.height};
    size.cy += extra_;
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

void CDlgInfo::LayOutMessage() {
    // One line the short messages keep where they always were; longer ones wrap, in a smaller
    // font when that keeps them in the dialog, and the dialog grows when even that does not.
    ui::WindowDc screen(nullptr);
    const int room = kMessageBottom - kMessageTop;
    int height = 0;
    for (int font : {14, 12}) {
        fontHeight_ = font;
        ui::UniqueFont f = ui::CreateUiFont(font, 300);
        ui::Selected selected(screen.get(), f.get());
        RECT measure{kMessageLeft, 0, kMessageRight, 0};
        DrawTextW(screen.get(), messageText.c_str(), static_cast<int>(messageText.size()), &measure,
                  kMessageFlags | DT_CALCRECT);
        height = measure.bottom - measure.top;
        if (height <= room) {
            break;
        }
    }
    extra_ = std::clamp(height - room, 0, kMaxExtra);
    const int top = height <= info::kMessage.Height() + 2
                        ? info::kMessage.top + (info::kMessage.Height() - height) / 2
                        : kMessageTop + std::max(0, (room + extra_ - height) / 2);
    message_ = RECT{kMessageLeft, top, kMessageRight, top + height};
}

void CDlgInfo::MakeButton(CGDIBitmapBtn& button, const RECT& rect, const std::wstring& caption) {
    RECT placed = rect;
    if (rect.top >= kStretchBottom) {
        OffsetRect(&placed, 0, extra_);  // the buttons move down with the bottom of the picture
    }
    button.CreateButton(hwnd(), placed);
    button.SetFaceBitmaps(rect, normal_.bitmap.get(), hover_.bitmap.get(), pressed_.bitmap.get(),
                          normal_.bitmap.get());
    button.SetTextColors(kTextColor, 0xFFFFFF, 0xFFFFFF);
    if (!caption.empty()) {
        button.SetText(caption);
    }
}

bool CDlgInfo::OnPaint(HDC dc) {
    HBITMAP picture = normal_.bitmap.get();
    const SIZE size = ui::BitmapSize(picture);
    if (extra_ == 0) {
        ui::DrawBitmap(dc, picture, 0, 0);
    } else {
        // Top rows 1:1, the plain band repeated to fill the growth, bottom rows moved down.
        ui::DrawBitmapPart(dc, picture, 0, 0, RECT{0, 0, size.cx, kStretchBottom});
        const int band = kStretchBottom - kStretchTop;
        for (int y = kStretchBottom; y < kStretchBottom + extra_; y += band) {
            const int rows = std::min(band, kStretchBottom + extra_ - y);
            ui::DrawBitmapPart(dc, picture, 0, y, RECT{0, kStretchTop, size.cx, kStretchTop + rows});
        }
        ui::DrawBitmapPart(dc, picture, 0, kStretchBottom + extra_,
                           RECT{0, kStretchBottom, size.cx, size.cy});
    }
    ui::UniqueFont font = ui::CreateUiFont(fontHeight_, 300);
    ui::DrawTextIn(dc, messageText, message_, font.get(), kTextColor, kMessageFlags);
    ui::UniqueFont titleFont = ui::CreateUiFont(14, 300);
    ui::DrawTextIn(dc, language == PairLanguage::kChinese ? L"\u63D0\u793A" : L"Tips",
                   ui::ToRect(info::kTitle), titleFont.get(), kTextColor, kLineFlags);
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
