// CGDIBitmapBtn: faces, caption and notifications.
#include "win/skin/gdi_bitmap_btn.h"

#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {

void CGDIBitmapBtn::SetFaceBitmaps(const RECT& rect, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                                   HBITMAP disabled, HBITMAP alternateNormal, HBITMAP alternatePressed) {
    const HBITMAP pages[kFaceCount] = {normal, hover, pressed, disabled, alternateNormal, alternatePressed};
    for (int i = 0; i < kFaceCount; ++i) {
        faces_[i] = ui::CopyBitmapRect(pages[i], rect);
    }
    // Faces carry their own edges; the button takes no keyboard focus stops.
    SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~(WS_BORDER | WS_TABSTOP));
    Invalidate();
}

void CGDIBitmapBtn::SetFaceHandles(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled) {
    faces_[kNormal].Reset(normal);
    faces_[kHover].Reset(hover);
    faces_[kPressed].Reset(pressed);
    faces_[kDisabled].Reset(disabled);
    Invalidate();
}

void CGDIBitmapBtn::SetText(const std::wstring& text, int, int) {
    caption_ = text;
    // The window text mirrors the caption, so the button can be found by what it shows.
    SetWindowTextW(hwnd(), text.c_str());
    Invalidate();
}

void CGDIBitmapBtn::SetCheck(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        Invalidate();
    }
}

void CGDIBitmapBtn::SetCheckMode(bool checkMode, bool toggleOnClick) {
    checkMode_ = checkMode;
    toggleOnClick_ = toggleOnClick;
    Invalidate();
}

void CGDIBitmapBtn::SetTextColors(COLORREF normal, COLORREF hover, COLORREF pressed) {
    textNormal_ = normal;
    textHover_ = hover;
    textPressed_ = pressed;
    Invalidate();
}

CGDIBitmapBtn::Look CGDIBitmapBtn::CurrentLook() const {
    const bool pressedLook = checkMode_ ? checked_ : IsPushed();
    if (pressedLook) {
        return {faces_[useAlternatePressed_ ? kAlternatePressed : kPressed].get(), textPressed_};
    }
    if (IsHover() && hoverEnabled_) {
        return {faces_[kHover].get(), textHover_};
    }
    if (!IsWindowEnabled(hwnd())) {
        return {faces_[kDisabled].get(), kDisabledText};
    }
    return {faces_[useAlternateNormal_ ? kAlternateNormal : kNormal].get(), textNormal_};
}

bool CGDIBitmapBtn::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const Look look = CurrentLook();
    if (caption_.empty()) {
        ui::DrawBitmap(dc, look.face, 0, 0);
        return true;
    }
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    BitBlt(surface.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ui::DrawBitmap(surface.dc(), look.face, 0, 0);
    DrawCaption(surface.dc(), client, look.textColor);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

void CGDIBitmapBtn::DrawCaption(HDC dc, const RECT& client, COLORREF color) const {
    constexpr UINT kCaptionFlags =
        DT_END_ELLIPSIS | DT_NOCLIP | DT_SINGLELINE | DT_WORDBREAK | DT_CENTER;  // 0x8131
    ui::UniqueFont font = ui::CreateUiFont(largeFont_ ? 20 : 14, 300);
    RECT box;
    if (customCaptionRect_) {
        box = RECT{captionRect_.left + 5, captionRect_.top, captionRect_.right - 5, captionRect_.bottom};
        if (color == textPressed_) {
            OffsetRect(&box, 1, 1);
        }
    } else {
        box = RECT{client.left + 8, client.top, client.right - 5, client.bottom};
    }
    // DrawText centres a single line vertically only with DT_VCENTER, which the caption flags
    // leave out: centre the box on the text height instead.
    RECT measure = box;
    {
        ui::Selected selected(dc, font.get());
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &measure,
                  kCaptionFlags | DT_CALCRECT);
    }
    const int textHeight = measure.bottom - measure.top;
    box.top += (ui::Height(box) - textHeight) / 2;
    box.bottom = box.top + textHeight;
    ui::DrawTextIn(dc, caption_, box, font.get(), color, kCaptionFlags);
}

void CGDIBitmapBtn::PostMoveToParent(UINT keys, POINT at) {
    MapWindowPoints(hwnd(), Parent(), &at, 1);
    PostMessageW(Parent(), WM_MOUSEMOVE, keys, ui::LParamFromPoint(at));
}

void CGDIBitmapBtn::OnPressed() {
    if (checkMode_ && toggleOnClick_) {
        checked_ = !checked_;
    }
    if (notifyPressRelease_) {
        PostMessageW(Parent(), msg::kMouseButtonCapture, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(hwnd()));
    }
}

void CGDIBitmapBtn::OnReleased() {
    if (notifyPressRelease_) {
        PostMessageW(Parent(), msg::kMouseButtonCapture, WM_LBUTTONUP, reinterpret_cast<LPARAM>(hwnd()));
    }
}

}  // namespace kx90::skin
