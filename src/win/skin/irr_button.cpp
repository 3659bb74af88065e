// CIrrButton: shape, faces, caption and the press notification.
#include "win/skin/irr_button.h"

#include "core/skin/button_math.h"
#include "win/skin/pointer_capture.h"
#include "win/ui/gdi.h"

namespace kx90::skin {

void CIrrButton::LoadFaceResources(UINT normalId, UINT checkedId, UINT hoverId, UINT disabledId) {
    const UINT ids[kFaceCount] = {normalId, checkedId, hoverId, disabledId};
    for (int i = 0; i < kFaceCount; ++i) {
        owned_[i] = std::move(ui::LoadBitmapResource(ids[i]).bitmap);
        pages_[i] = owned_[i].get();
    }
    boxFaces_ = false;
}

void CIrrButton::SetFacePages(HBITMAP normal, HBITMAP checked, HBITMAP hover, HBITMAP disabled) {
    const HBITMAP pages[kFaceCount] = {normal, checked, hover, disabled};
    for (int i = 0; i < kFaceCount; ++i) {
        owned_[i].Reset();
        pages_[i] = pages[i];
    }
    boxFaces_ = false;
    if (hwnd() != nullptr) {
        Invalidate();
    }
}

void CIrrButton::SetFaceBoxes(ui::UniqueBitmap normal, ui::UniqueBitmap checked, ui::UniqueBitmap hover,
                              ui::UniqueBitmap disabled) {
    ui::UniqueBitmap faces[kFaceCount] = {std::move(normal), std::move(checked), std::move(hover),
                                          std::move(disabled)};
    for (int i = 0; i < kFaceCount; ++i) {
        owned_[i] = std::move(faces[i]);
        pages_[i] = owned_[i].get();
    }
    boxFaces_ = true;
    if (hwnd() != nullptr) {
        Invalidate();
    }
}

ui::UniqueBitmap CIrrButton::CutFace(HBITMAP page, POINT origin) const {
    RECT box = bounds_;
    OffsetRect(&box, -origin.x, -origin.y);
    return ui::CopyBitmapRect(page, box);
}

bool CIrrButton::CreateShaped(const std::wstring& text, DWORD style, HRGN region, HWND parent, UINT id) {
    if (region == nullptr) {
        return false;
    }
    region_.Reset(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(region_.get(), region, nullptr, RGN_COPY);
    GetRgnBox(region_.get(), &bounds_);
    centre_ = POINT{(bounds_.left + bounds_.right) / 2, (bounds_.top + bounds_.bottom) / 2};
    OffsetRgn(region_.get(), -bounds_.left, -bounds_.top);
    caption_ = text;

    CreateArgs args;
    args.style = style | WS_CHILD;
    args.rect = bounds_;
    args.parent = parent;
    args.id = id;
    args.text = text;
    if (!Create(args)) {
        return false;
    }
    // The window keeps its own copy of the region: the system owns what SetWindowRgn is given.
    HRGN windowRegion = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(windowRegion, region_.get(), nullptr, RGN_COPY);
    SetWindowRgn(hwnd(), windowRegion, TRUE);
    return true;
}

bool CIrrButton::HitTest(POINT client) const {
    RECT box{0, 0, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top};
    return PtInRect(&box, client) && PtInRegion(region_.get(), client.x, client.y);
}

void CIrrButton::SetCheck(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        Invalidate();
    }
    if (hover_) {
        hover_ = false;
        if (GetCapture() == hwnd()) {
            ReleaseCapture();
        }
        Invalidate();
    }
}

CIrrButton::Look CIrrButton::CurrentLook() const {
    if (checkMode_) {
        if (checked_) {
            return {pages_[kChecked], kCheckedText};
        }
    } else {
        if (!IsWindowEnabled(hwnd())) {
            return {pages_[kDisabled], kNormalText};
        }
        if (pressed_) {
            return {pages_[kChecked], kCheckedText};
        }
    }
    if (hover_) {
        return {pages_[kHover], kHoverText};
    }
    return {pages_[kNormal], kNormalText};
}

LRESULT CIrrButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    tooltip_.Relay(hwnd(), message, wParam, lParam);
    if (message == WM_NCHITTEST) {
        POINT at = ui::PointFromLParam(lParam);
        ScreenToClient(hwnd(), &at);
        return HitTest(at) ? HTCLIENT : HTTRANSPARENT;
    }
    const bool hidden = (message == WM_SHOWWINDOW && wParam == FALSE) ||
                        (message == WM_WINDOWPOSCHANGED &&
                         (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) != 0);
    if ((message == WM_ENABLE && wParam == FALSE) || hidden) {
        LetGo();
    }
    if (message == WM_ENABLE) {
        Invalidate();
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void CIrrButton::LetGo() {
    if (GetCapture() == hwnd()) {
        ReleaseCapture();
    }
    if (hover_ || pressed_) {
        hover_ = false;
        pressed_ = false;
        Invalidate();
    }
}

bool CIrrButton::OnPaint(HDC dc) {
    const int width = bounds_.right - bounds_.left;
    const int height = bounds_.bottom - bounds_.top;
    const Look look = CurrentLook();
    ui::OffscreenSurface surface(dc, width, height);
    // The face is the piece of the full-page picture under the button; the window region clips it.
    ui::DrawBitmapPart(surface.dc(), look.page, 0, 0, boxFaces_ ? RECT{0, 0, width, height} : bounds_);
    if (!caption_.empty()) {
        ui::UniqueFont font = ui::CreateUiFont(14, 300);
        ui::Selected selected(surface.dc(), font.get());
        SetBkMode(surface.dc(), TRANSPARENT);
        SetTextColor(surface.dc(), look.textColor);
        const int x = IrrCaptionLeft(centre_.x, static_cast<int>(caption_.size())) - bounds_.left;
        const int y = IrrCaptionTop(centre_.y) - bounds_.top;
        TextOutW(surface.dc(), x, y, caption_.c_str(), static_cast<int>(caption_.size()));
    }
    BitBlt(dc, 0, 0, width, height, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

void CIrrButton::TrackHover(POINT at) {
    // On the shape and not covered by another window (a popup above the tabs).
    const bool inside = HitTest(at) && PointerOverControl(hwnd(), at);
    if (inside) {
        if (GetCapture() != hwnd()) {
            SetCapture(hwnd());
        }
    } else if (GetCapture() == hwnd()) {
        ReleaseCapture();
    }
    if (inside != hover_) {
        hover_ = inside;
        Invalidate();
        UpdateWindow(hwnd());
    }
}

bool CIrrButton::OnMouseMove(UINT keys, POINT at) {
    TrackHover(at);
    if (reportMoves_) {
        POINT inParent = at;
        MapWindowPoints(hwnd(), Parent(), &inParent, 1);
        PostMessageW(Parent(), WM_MOUSEMOVE, keys, ui::LParamFromPoint(inParent));
    }
    return true;
}

bool CIrrButton::OnLButtonDown(UINT keys, POINT at) {
    if (!HitTest(at) || !PointerOverControl(hwnd(), at)) {
        // Only the capture for the hover brought it here: the press belongs elsewhere.
        if (GetCapture() == hwnd()) {
            PassPressOn(hwnd(), keys, at);
        }
        return true;
    }
    ActivateForPress(hwnd());
    pressed_ = true;
    Invalidate();
    // Parents act on the press itself, not on a click.
    PostMessageW(Parent(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(hwnd()));
    return true;
}

bool CIrrButton::OnLButtonDblClk(UINT keys, POINT at) {
    // The second press of a double click is a plain press: shown, never reported.
    if (HitTest(at) && PointerOverControl(hwnd(), at)) {
        pressed_ = true;
        Invalidate();
    } else if (GetCapture() == hwnd()) {
        PassPressOn(hwnd(), keys, at);
    }
    return true;
}

bool CIrrButton::OnLButtonUp(UINT, POINT at) {
    if (pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TrackHover(at);
    return true;
}

bool CIrrButton::OnCaptureChanged(HWND) {
    if (hover_) {
        hover_ = false;
        Invalidate();
    }
    return true;
}

}  // namespace kx90::skin
