// CSkinScrollBar: scroll state, mouse handling (hover, press with auto-repeat, thumb drag) and the
// commands it sends its parent.
#include "win/skin/skin_scroll_bar.h"

#include <algorithm>

#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

constexpr UINT kFirstRepeatMs = 500;
constexpr UINT kRepeatMs = 100;

}  // namespace

bool CSkinScrollBar::CreateBar(HWND parent, const RECT& rect, UINT id, bool vertical, bool visible) {
    vertical_ = vertical;
    CreateArgs args;
    args.style = WS_CHILD | (visible ? WS_VISIBLE : 0);
    args.rect = rect;
    args.parent = parent;
    args.id = id;
    return Create(args);
}

void CSkinScrollBar::SetSkin(HBITMAP skin) {
    skin_.Reset(skin != nullptr
                    ? static_cast<HBITMAP>(CopyImage(skin, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
                    : nullptr);
    tile_ = ScrollSkinTileSize(ui::BitmapSize(skin_.get()).cx);
    if (hwnd() == nullptr || tile_ <= 0) {
        return;
    }
    RECT rc;
    GetClientRect(hwnd(), &rc);
    const int width = vertical_ ? tile_ : ui::Width(rc);
    const int height = vertical_ ? ui::Height(rc) : tile_;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

// Scroll state.

int CSkinScrollBar::SetScrollInfo(const SCROLLINFO& info, bool redraw) {
    if ((info.fMask & SIF_RANGE) != 0) {
        state_.minimum = info.nMin;
        state_.maximum = std::max(info.nMin, info.nMax);
    }
    const int range = state_.maximum - state_.minimum;
    if ((info.fMask & SIF_PAGE) != 0) {
        state_.page = static_cast<int>(std::min<UINT>(info.nPage, static_cast<UINT>(range) + 1));
    }
    state_.page = std::min(state_.page, range + 1);
    if ((info.fMask & SIF_POS) != 0) {
        state_.position = info.nPos;
    }
    const int highest = state_.maximum - std::max(state_.page - 1, 0);
    state_.position = std::clamp(state_.position, state_.minimum, std::max(state_.minimum, highest));
    if (redraw && hwnd() != nullptr) {
        Invalidate();
    }
    return state_.position;
}

void CSkinScrollBar::GetScrollInfo(SCROLLINFO& info) const {
    if ((info.fMask & SIF_RANGE) != 0) {
        info.nMin = state_.minimum;
        info.nMax = state_.maximum;
    }
    if ((info.fMask & SIF_PAGE) != 0) {
        info.nPage = static_cast<UINT>(state_.page);
    }
    if ((info.fMask & SIF_POS) != 0) {
        info.nPos = state_.position;
    }
    if ((info.fMask & SIF_TRACKPOS) != 0) {
        info.nTrackPos = IsDragging() ? state_.trackPosition : state_.position;
    }
}

ScrollBarGeometry CSkinScrollBar::Geometry() const {
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    return LayOutScrollBar(vertical_ ? ui::Height(rc) : ui::Width(rc), tile_, state_);
}

int CSkinScrollBar::PartAt(POINT at) const {
    return ScrollBarHitTest(Geometry(), Along(at));
}

void CSkinScrollBar::SendCommand(int code, int position) {
    const UINT message = vertical_ ? WM_VSCROLL : WM_HSCROLL;
    SendMessageW(Parent(), message, MAKEWPARAM(code, static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(hwnd()));
}

// Mouse.

void CSkinScrollBar::SetHover(int part) {
    if (part != hover_) {
        hover_ = part;
        Invalidate();
    }
}

bool CSkinScrollBar::OnMouseMove(UINT, POINT at) {
    if (IsDragging()) {
        DragTo(at);
        return true;
    }
    if (pressed_ != kScrollPartNone) {
        // Off the pressed part the repetition waits and the arrow looks released.
        const bool off = PartAt(at) != pressed_;
        if (off != suspended_) {
            suspended_ = off;
            Invalidate();
        }
        return true;
    }
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    SetHover(PartAt(at));
    return true;
}

void CSkinScrollBar::OnMouseLeave() {
    trackingLeave_ = false;
    if (pressed_ == kScrollPartNone && !IsDragging()) {
        SetHover(kScrollPartNone);
    }
}

bool CSkinScrollBar::OnLButtonDown(UINT, POINT at) {
    const int part = PartAt(at);
    if (part == kScrollPartNone) {
        return true;
    }
    SetCapture(hwnd());
    hover_ = kScrollPartNone;
    if (part == kScrollThumb) {
        StartDrag(at);
        return true;
    }
    pressed_ = part;
    suspended_ = false;
    Invalidate();
    SendCommand(part);
    StartTimer(timer::kScrollRepeatDelay, kFirstRepeatMs);
    return true;
}

bool CSkinScrollBar::OnLButtonUp(UINT, POINT) {
    EndPress(true);
    return true;
}

bool CSkinScrollBar::OnCaptureChanged(HWND capture) {
    // Another window took the mouse: the press or drag ends as if released.
    if (capture != hwnd()) {
        EndPress(false);
    }
    return true;
}

void CSkinScrollBar::StartDrag(POINT at) {
    dragStart_ = at;
    dragStartPosition_ = state_.position;
    state_.trackPosition = state_.position;
    Invalidate();
}

void CSkinScrollBar::DragTo(POINT at) {
    const int offset = Along(at) - Along(dragStart_);
    const int position = ScrollDragPosition(Geometry(), state_, dragStartPosition_, offset);
    if (position == state_.trackPosition) {
        return;
    }
    state_.trackPosition = position;
    Invalidate();
    UpdateWindow(hwnd());
    SendCommand(kScrollThumb, position);
}

void CSkinScrollBar::EndPress(bool release) {
    StopTimer(timer::kScrollRepeatDelay);
    StopTimer(timer::kScrollRepeat);
    const bool dragging = IsDragging();
    const bool pressed = pressed_ != kScrollPartNone;
    pressed_ = kScrollPartNone;
    suspended_ = false;
    if (dragging) {
        SendCommand(kScrollThumbPosition, state_.trackPosition);
        state_.trackPosition = -1;
    }
    if (dragging || pressed) {
        Invalidate();
    }
    // Cleared first: releasing the capture comes back here through WM_CAPTURECHANGED.
    if (release && GetCapture() == hwnd()) {
        ReleaseCapture();
    }
}

bool CSkinScrollBar::OnTimer(UINT_PTR id) {
    if (id == timer::kScrollRepeatDelay) {
        StopTimer(timer::kScrollRepeatDelay);
        StartTimer(timer::kScrollRepeat, kRepeatMs);
        return true;
    }
    if (id == timer::kScrollRepeat) {
        RepeatTick();
        return true;
    }
    return false;
}

void CSkinScrollBar::RepeatTick() {
    if (pressed_ == kScrollPartNone) {
        StopTimer(timer::kScrollRepeat);
        return;
    }
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(hwnd(), &at);
    if (ScrollRepeatSendsCommand(pressed_, state_, Geometry(), Along(at))) {
        SendCommand(pressed_);
    }
}

LRESULT CSkinScrollBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case SBM_SETSCROLLINFO:
            return lParam != 0 ? SetScrollInfo(*reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0) : 0;
        case SBM_GETSCROLLINFO:
            if (lParam == 0) {
                return FALSE;
            }
            GetScrollInfo(*reinterpret_cast<SCROLLINFO*>(lParam));
            return TRUE;
        case SBM_GETPOS:
            return state_.position;
        case SBM_SETPOS: {
            SCROLLINFO info{sizeof info, SIF_POS};
            info.nPos = static_cast<int>(wParam);
            const int old = state_.position;
            SetScrollInfo(info, lParam != 0);
            return old;
        }
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_ENABLE:
            hover_ = kScrollPartNone;
            Invalidate();
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kx90::skin
