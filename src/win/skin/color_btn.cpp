// CColorBtn painting.
#include "win/skin/color_btn.h"

#include "core/layout/palette.h"
#include "win/ui/gdi.h"

namespace kx90::skin {
namespace {

// A disabled swatch shows its colour faded into the page's dark ground.
COLORREF Faded(COLORREF color) {
    constexpr int kKeep = 35;  // percent of the colour
    const COLORREF ground = CColorBtn::kPlainFrame;
    auto mix = [&](int shift) {
        const int c = (color >> shift) & 0xFF, g = (ground >> shift) & 0xFF;
        return static_cast<COLORREF>((c * kKeep + g * (100 - kKeep)) / 100) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

}  // namespace

void CColorBtn::SetColor(COLORREF color) {
    color_ = color;
    Invalidate();
}

void CColorBtn::SetSelected(bool selected) {
    selected_ = selected;
    Invalidate();
}

void CColorBtn::SetMarked(bool marked) {
    if (marked_ != marked) {
        marked_ = marked;
        Invalidate();
    }
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
    ui::FillSolid(surface.dc(), client, IsWindowEnabled(hwnd()) ? color_ : Faded(color_));
    const COLORREF frame = FrameColor();
    if (frame != kNoFrame) {
        ui::UniqueBrush brush(CreateSolidBrush(frame));
        FrameRect(surface.dc(), &client, brush.get());
    }
    if (marked_) {
        ui::UniqueBrush accent(CreateSolidBrush(layout::kAccentColor));
        RECT inner = client;
        for (int i = 0; i < 2; ++i) {
            FrameRect(surface.dc(), &inner, accent.get());
            InflateRect(&inner, -1, -1);
        }
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
