// CPngHProgressBar painting and dragging.
#include "win/skin/png_progress_bar.h"

#include "core/skin/slider_math.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {

bool CPngHProgressBar::CreateProgress(const RECT& rect, HWND parent, UINT id) {
    id_ = id;
    rect_ = rect;
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE;
    args.rect = rect;
    args.parent = parent;
    args.id = id;
    if (!Create(args)) {
        return false;
    }
    interactive_ = true;
    return true;
}

void CPngHProgressBar::SetImages(int x, int y, int width, int height, HBITMAP backgroundImage,
                                 HBITMAP fillImage) {
    const RECT piece{x, y, x + width, y + height};
    background_ = ui::CopyBitmapRect(backgroundImage, piece);
    fill_ = ui::CopyBitmapRect(fillImage, piece);
    Invalidate();
}

void CPngHProgressBar::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void CPngHProgressBar::SetPos(int value) {
    position_ = ValueOrMinimum(value, minimum_, maximum_);
    Invalidate();
    UpdateWindow(hwnd());
}

bool CPngHProgressBar::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    ui::DrawBitmap(surface.dc(), background_.get(), 0, 0);
    const int filled = ProgressFillWidth(ui::Width(rect_), position_, minimum_, maximum_);
    ui::DrawBitmapPart(surface.dc(), fill_.get(), 0, 0, RECT{0, 0, filled, client.bottom});
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

int CPngHProgressBar::ValueAt(POINT client) const {
    MapWindowPoints(hwnd(), Parent(), &client, 1);
    return ProgressValueFromX(client.x, rect_.left, rect_.right, minimum_, maximum_);
}

bool CPngHProgressBar::OnLButtonDown(UINT, POINT) {
    if (readOnly_ || !interactive_) {
        return true;
    }
    SetCapture(hwnd());
    dragging_ = true;
    return true;
}

bool CPngHProgressBar::OnMouseMove(UINT, POINT at) {
    if (readOnly_ || !dragging_) {
        return true;
    }
    position_ = ValueAt(at);
    Invalidate();
    return true;
}

bool CPngHProgressBar::OnLButtonUp(UINT, POINT at) {
    if (readOnly_ || !dragging_) {
        return true;
    }
    position_ = ValueAt(at);
    dragging_ = false;
    PostMessageW(Parent(), msg::kProgressBarValue, static_cast<WPARAM>(position_), id_);
    ReleaseCapture();
    Invalidate();
    return true;
}

bool CPngHProgressBar::OnCaptureChanged(HWND) {
    dragging_ = false;
    return true;
}

bool CPngHProgressBar::OnKillFocus(HWND) {
    dragging_ = false;
    return false;
}

void CPngHProgressBar::OnDestroy() {
    background_.Reset();
    fill_.Reset();
}

}  // namespace kx90::skin
