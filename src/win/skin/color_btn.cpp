// CColorBtn painting.
#include "win/skin/color_btn.h"

#include "win/ui/gdi.h"

namespace kx90::skin {

void CColorBtn::SetColor(COLORREF color) {
    color_ = color;
    Invalidate();
}

void CColorBtn::SetSelected(bool selected) {
    selected_ = selected;
    Invalidate();
}

void CColorBtn::SetFrame(bool frame) {
    frame_ = frame;
    Invalidate();
}

COLORREF CColorBtn::FrameColor() const {
    if (selected_) {
        return kSelectedFrame;
    }
    if (IsPushed()) {
        return kPressedFrame;
    }
    if (IsHover()) {
        return kHoverFrame;
    }
    return frame_ ? kPlainFrame : kNoFrame;
}

bool CColorBtn::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    ui::FillSolid(surface.dc(), client, color_);
    const COLORREF frame = FrameColor();
    if (frame != kNoFrame) {
        ui::UniqueBrush brush(CreateSolidBrush(frame));
        FrameRect(surface.dc(), &client, brush.get());
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

void CColorBtn::PostMoveToParent(UINT keys, POINT at) {
    // Unlike the bitmap buttons, swatches report the point in screen coordinates.
    ClientToScreen(hwnd(), &at);
    PostMessageW(Parent(), WM_MOUSEMOVE, keys, ui::LParamFromPoint(at));
}

}  // namespace kx90::skin
