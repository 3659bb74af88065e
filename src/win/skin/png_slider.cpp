// The slider's thumb and track.
#include "win/skin/png_slider.h"

#include <vector>

#include "core/skin/slider_math.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {

bool CPngHSlider::CreateThumb(const std::wstring& imagePath, HWND track, const RECT& travel,
                              bool topAligned) {
    image_ = ui::LoadImageFile(imagePath);
    if (image_ != nullptr) {
        width_ = static_cast<int>(image_->GetWidth());
        height_ = static_cast<int>(image_->GetHeight());
    }
    travel_ = travel;
    topAligned_ = topAligned;
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE;
    args.exStyle = WS_EX_TRANSPARENT;
    args.rect = RECT{travel.left, travel.bottom - height_, travel.left + width_, travel.bottom};
    args.parent = track;
    if (!Create(args)) {
        return false;
    }
    ApplyRegion();
    return true;
}

void CPngHSlider::ApplyRegion() {
    if (image_ == nullptr || width_ <= 0 || height_ <= 0) {
        return;
    }
    // Render onto opaque black and cut away every pixel of the top-left pixel's colour.
    ui::UniqueBitmap flat = ui::ImageToBitmap(*image_, RGB(0, 0, 0));
    ui::WindowDc screen(nullptr);
    ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    ui::Selected selected(dc.get(), flat.get());
    const COLORREF key = GetPixel(dc.get(), 0, 0);
    ui::UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < height_; ++y) {
        int runStart = -1;
        for (int x = 0; x <= width_; ++x) {
            const bool solid = x < width_ && GetPixel(dc.get(), x, y) != key;
            if (solid && runStart < 0) {
                runStart = x;
            } else if (!solid && runStart >= 0) {
                ui::UniqueRegion run(CreateRectRgn(runStart, y, x, y + 1));
                CombineRgn(shape.get(), shape.get(), run.get(), RGN_OR);
                runStart = -1;
            }
        }
    }
    SetWindowRgn(hwnd(), shape.release(), TRUE);
}

void CPngHSlider::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

int CPngHSlider::Left() const {
    return ThumbLeftForValue(travel_.left, travel_.right, width_, position_, minimum_, maximum_);
}

void CPngHSlider::SetPos(int value) {
    position_ = ValueOrMinimum(value, minimum_, maximum_);
    const int top = topAligned_ ? travel_.top : travel_.bottom - height_;
    SetWindowPos(hwnd(), nullptr, Left(), top, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPngHSlider::SetDimmed(bool dimmed) {
    if (dimmed_ != dimmed) {
        dimmed_ = dimmed;
        Invalidate();
    }
}

bool CPngHSlider::OnPaint(HDC dc) {
    if (image_ == nullptr) {
        return true;
    }
    Gdiplus::Graphics graphics(dc);
    if (!dimmed_) {
        graphics.DrawImage(image_.get(), 0, 0, width_, height_);
        return true;
    }
    constexpr Gdiplus::REAL kKeep = 0.4f;  // of each colour channel; alpha stays
    Gdiplus::ColorMatrix darker = {
        {{kKeep, 0, 0, 0, 0}, {0, kKeep, 0, 0, 0}, {0, 0, kKeep, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&darker);
    graphics.DrawImage(image_.get(), Gdiplus::Rect(0, 0, width_, height_), 0, 0, width_, height_,
                       Gdiplus::UnitPixel, &attributes);
    return true;
}

bool CPngHSlider::OnLButtonDown(UINT, POINT at) {
    SetCapture(hwnd());
    pressAt_ = at;
    dragging_ = true;
    return true;
}

bool CPngHSlider::OnMouseMove(UINT, POINT at) {
    if (!dragging_ || locked_) {
        return true;
    }
    // The press point stays under the pointer: dx is how far the pointer has moved from it.
    const int dx = at.x - pressAt_.x;
    RECT thumb;
    GetWindowRect(hwnd(), &thumb);
    MapWindowPoints(nullptr, Parent(), reinterpret_cast<POINT*>(&thumb), 2);
    const int value =
        SliderValueFromDrag(thumb.left, dx, travel_.left, travel_.right, width_, minimum_, maximum_);
    SetPos(value);
    PostMessageW(Parent(), msg::kSliderValue, static_cast<WPARAM>(value), 0);
    return true;
}

bool CPngHSlider::OnLButtonUp(UINT, POINT) {
    // The value last posted during the drag stands.
    dragging_ = false;
    ReleaseCapture();
    return true;
}

bool CPngHSlider::OnCaptureChanged(HWND) {
    dragging_ = false;
    return true;
}

bool CPngHSliderBar::CreateSlider(const std::wstring& thumbImagePath, int left, int top, int right,
                                  int bottom, HWND parent, UINT id) {
    thumbPath_ = thumbImagePath;
    id_ = id;
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    args.rect = RECT{left, top, right, bottom};
    args.parent = parent;
    args.id = id;
    return Create(args);
}

bool CPngHSliderBar::OnCreate() {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (!thumb_.CreateThumb(thumbPath_, hwnd(), client, true)) {
        return false;
    }
    // Position 0 is below the thumb's own default range 1..10, so the thumb starts at its left end.
    thumb_.SetPos(0);
    return true;
}

void CPngHSliderBar::SetBackground(int x, int y, int width, int height, HBITMAP pageImage) {
    background_ = ui::CopyBitmapRect(pageImage, RECT{x, y, x + width, y + height});
    Invalidate();
}

void CPngHSliderBar::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    thumb_.SetRange(minimum, maximum);
}

void CPngHSliderBar::SetPos(int value) {
    thumb_.SetPos(value);
    Invalidate();
}

void CPngHSliderBar::EnableInput(bool enable) {
    inputDisabled_ = !enable;
    thumb_.LockInput(!enable);
    thumb_.SetDimmed(!enable);
}

bool CPngHSliderBar::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    ui::DrawBitmap(surface.dc(), background_.get(), 0, 0);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

bool CPngHSliderBar::OnLButtonDown(UINT, POINT at) {
    if (inputDisabled_) {
        return true;
    }
    MapWindowPoints(hwnd(), Parent(), &at, 1);
    const int value =
        SliderValueFromClick(at.x - trackRect_.left, trackRect_.right - trackRect_.left, minimum_, maximum_);
    SetPos(value);
    PostMessageW(Parent(), msg::kSliderValue, static_cast<WPARAM>(value), id_);
    return true;
}

LRESULT CPngHSliderBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == msg::kSliderValue) {
        // From the thumb: hand the value on to the page with this slider's id.
        PostMessageW(Parent(), msg::kSliderValue, wParam, id_);
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace kx90::skin
