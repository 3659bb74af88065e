// CSkinScrollWnd: wrapping a window, following its scroll state and non-client size, forwarding the
// skin bars' commands, and unwrapping when the window goes.
#include "win/skin/skin_scroll_wnd.h"

#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

constexpr wchar_t kFrameProperty[] = L"KX90.SkinScrollFrame";
constexpr UINT kSyncMs = 500;

RECT RectInParent(HWND window) {
    RECT rc{};
    GetWindowRect(window, &rc);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool SamePlace(HWND window, const RECT& rect) {
    const RECT now = RectInParent(window);
    return EqualRect(&now, &rect) != FALSE;
}

// Moves a window only when its place changes: an unchanged move still costs a repaint.
void MoveIfNeeded(HWND window, const RECT& rect) {
    if (!SamePlace(window, rect)) {
        SetWindowPos(window, nullptr, rect.left, rect.top, ui::Width(rect), ui::Height(rect),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) != 0;
}

}  // namespace

CSkinScrollWnd* SkinScrollWindow(HWND target, HBITMAP skin) {
    if (!IsWindow(target) || !HasStyle(target, WS_CHILD) || CSkinScrollWnd::FromTarget(target) != nullptr ||
        skin == nullptr) {
        return nullptr;
    }
    auto* frame = new CSkinScrollWnd();
    if (!frame->Wrap(target, skin)) {
        // A frame whose window exists deletes itself when that window goes.
        if (frame->hwnd() != nullptr) {
            frame->Destroy();
        } else {
            delete frame;
        }
        return nullptr;
    }
    return frame;
}

CSkinScrollWnd* CSkinScrollWnd::FromTarget(HWND target) {
    return target != nullptr ? static_cast<CSkinScrollWnd*>(GetPropW(target, kFrameProperty)) : nullptr;
}

bool CSkinScrollWnd::Wrap(HWND target, HBITMAP skin) {
    skin_.Reset(static_cast<HBITMAP>(CopyImage(skin, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    tile_ = ScrollSkinTileSize(ui::BitmapSize(skin_.get()).cx);
    if (tile_ <= 0) {
        return false;
    }
    // The frame takes the target's place, id and visibility; a border or client edge moves to it.
    const LONG_PTR style = GetWindowLongPtrW(target, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(target, GWL_EXSTYLE);
    CreateArgs args;
    args.style =
        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | static_cast<DWORD>(style & (WS_VISIBLE | WS_BORDER));
    args.exStyle = static_cast<DWORD>(exStyle & WS_EX_CLIENTEDGE);
    args.text = kFrameName;
    args.rect = RectInParent(target);
    args.parent = GetParent(target);
    args.id = static_cast<UINT>(GetDlgCtrlID(target));
    if (!Create(args)) {
        return false;
    }
    SetWindowPos(hwnd(), target, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // same tab place

    RECT client{};
    GetClientRect(hwnd(), &client);
    CreateArgs limit;
    limit.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    limit.text = kLimitName;
    limit.rect = client;
    limit.parent = hwnd();
    limit.id = cmd::kScrollFrameLimit;
    if (!limit_.Create(limit) ||
        !horizontal_.CreateBar(hwnd(), RECT{0, 0, client.right, tile_}, cmd::kScrollFrameHorzBar, false,
                               false) ||
        !vertical_.CreateBar(hwnd(), RECT{0, 0, tile_, client.bottom}, cmd::kScrollFrameVertBar, true,
                             false)) {
        return false;
    }
    horizontal_.SetSkin(skin_.get());
    vertical_.SetSkin(skin_.get());

    // Take the target over. Its non-client size is calculated again at once, through this frame.
    SetWindowLongPtrW(target, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
    SetWindowLongPtrW(target, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    target_ = target;
    oldParent_ = GetParent(target);
    SetParent(target, limit_.hwnd());
    SetPropW(target, kFrameProperty, this);
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TargetProc)));
    SetWindowPos(target, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    StartTimer(timer::kScrollFrameSync, kSyncMs);
    PlaceLimit(HasStyle(target, WS_VSCROLL), (exStyle & WS_EX_LEFTSCROLLBAR) != 0);
    SyncBar(vertical_, SB_VERT, true);
    SyncBar(horizontal_, SB_HORZ, true);
    return true;
}

// The target's messages: its own procedure first, then the frame's share.

LRESULT CALLBACK CSkinScrollWnd::TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CSkinScrollWnd* frame = FromTarget(window);
    if (frame == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_DESTROY) {
        // Unwrapped before the target's own procedure sees the message; the frame (and this object)
        // goes afterwards, so nothing here touches the object once it is destroyed.
        const WNDPROC oldProc = frame->oldProc_;
        HWND frameWindow = frame->dying_ ? nullptr : frame->hwnd();
        frame->Unwrap();
        const LRESULT result = CallWindowProcW(oldProc, window, message, wParam, lParam);
        if (frameWindow != nullptr) {
            DestroyWindow(frameWindow);
        }
        return result;
    }
    return frame->OnTargetMessage(message, wParam, lParam);
}

LRESULT CSkinScrollWnd::OnTargetMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(oldProc_, target_, message, wParam, lParam);
    switch (message) {
        case WM_NCCALCSIZE:
            OnTargetNcCalcSize(lParam);
            break;
        case WM_ERASEBKGND:
            // While a bar's own command is on its way the bar is ahead of the target.
            if (!forwarding_) {
                if (HasStyle(target_, WS_VSCROLL)) {
                    SyncBar(vertical_, SB_VERT, true);
                }
                if (HasStyle(target_, WS_HSCROLL)) {
                    SyncBar(horizontal_, SB_HORZ, true);
                }
            }
            break;
        default:
            break;
    }
    return result;
}

void CSkinScrollWnd::OnTargetNcCalcSize(LPARAM lParam) {
    // The system puts its scroll bars right after the client area. Widening the client area by
    // the difference between a system bar and a skin bar, with the target a tile wider (and
    // higher) than the clipping window, leaves the client area exactly over the clipping window
    // and the system bars just outside it.
    auto& client = *reinterpret_cast<RECT*>(lParam);  // rgrc[0] when wParam is TRUE
    const bool hasVertical = HasStyle(target_, WS_VSCROLL);
    const bool hasHorizontal = HasStyle(target_, WS_HSCROLL);
    const bool left = (GetWindowLongPtrW(target_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    if (hasVertical) {
        const int widen = GetSystemMetrics(SM_CXVSCROLL) - tile_;
        if (left) {
            client.left -= widen;
        } else {
            client.right += widen;
        }
    }
    if (hasHorizontal) {
        client.bottom += GetSystemMetrics(SM_CYHSCROLL) - tile_;
    }
    PlaceBars(hasVertical, hasHorizontal, left);
    PostMessageW(hwnd(), msg::kScrollFrameLayout, hasVertical, left);
}

void CSkinScrollWnd::Unwrap() {
    SetWindowLongPtrW(target_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    RemovePropW(target_, kFrameProperty);
    StopTimer(timer::kScrollFrameSync);
    if (!dying_ && IsWindow(oldParent_)) {
        const RECT place = RectInParent(hwnd());
        SetParent(target_, oldParent_);
        SetWindowPos(target_, hwnd(), place.left, place.top, ui::Width(place), ui::Height(place),
                     SWP_NOACTIVATE);
    }
    target_ = nullptr;
}

void CSkinScrollWnd::OnDestroy() {
    // The target goes with the frame (it is inside "LIMIT"); it only needs its procedure back.
    dying_ = true;
    StopTimer(timer::kScrollFrameSync);
}

// Layout.

void CSkinScrollWnd::PlaceBars(bool hasVertical, bool hasHorizontal, bool leftScrollBar) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const ScrollFrameLayout frame = LayOutScrollFrame(layout::Size{client.right, client.bottom}, tile_,
                                                      hasVertical, hasHorizontal, leftScrollBar);
    if (hasVertical) {
        MoveIfNeeded(vertical_.hwnd(), ui::ToRect(frame.vertical));
    }
    if (hasHorizontal) {
        MoveIfNeeded(horizontal_.hwnd(), ui::ToRect(frame.horizontal));
    }
    ShowWindow(vertical_.hwnd(), hasVertical ? SW_SHOWNA : SW_HIDE);
    ShowWindow(horizontal_.hwnd(), hasHorizontal ? SW_SHOWNA : SW_HIDE);
    if (frame.cornerFlag != corner_) {
        corner_ = frame.cornerFlag;
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void CSkinScrollWnd::PlaceLimit(bool hasVertical, bool leftScrollBar) {
    if (target_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool hasHorizontal = HasStyle(horizontal_.hwnd(), WS_VISIBLE);
    const ScrollFrameLayout frame = LayOutScrollFrame(layout::Size{client.right, client.bottom}, tile_,
                                                      hasVertical, hasHorizontal, leftScrollBar);
    const RECT limit = ui::ToRect(frame.limit);
    MoveIfNeeded(limit_.hwnd(), limit);
    // The target is a tile wider on its scroll bar's side and a tile higher with a horizontal bar:
    // that part of it is its (clipped) system bars.
    const int x = hasVertical && leftScrollBar ? -tile_ : 0;
    const int width = ui::Width(limit) + (hasVertical ? tile_ : 0);
    const int height = ui::Height(limit) + (hasHorizontal ? tile_ : 0);
    MoveIfNeeded(target_, RECT{x, 0, x + width, height});
}

// The frame's messages.

LRESULT CSkinScrollWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kScrollFrameLayout:
            PlaceLimit(wParam != 0, lParam != 0);
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            OnScroll(message, wParam, reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_SIZE:
            if (target_ != nullptr) {
                const bool left = (GetWindowLongPtrW(target_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
                PlaceBars(HasStyle(target_, WS_VSCROLL), HasStyle(target_, WS_HSCROLL), left);
                PlaceLimit(HasStyle(target_, WS_VSCROLL), left);
            }
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void CSkinScrollWnd::OnScroll(UINT message, WPARAM wParam, HWND bar) {
    if (target_ == nullptr || (bar != vertical_.hwnd() && bar != horizontal_.hwnd())) {
        return;
    }
    const int direction = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
    if (LOWORD(wParam) == SB_THUMBTRACK) {
        // The system list box takes a thumb-track position from its own bar's track position,
        // which outside a drag of that bar reads as the bar's position: setting the position first
        // lets it follow the skin thumb while it moves.
        SCROLLINFO info{sizeof info, SIF_POS};
        info.nPos = (direction == SB_VERT ? vertical_ : horizontal_).State().trackPosition;
        ::SetScrollInfo(target_, direction, &info, FALSE);
    }
    forwarding_ = true;
    SendMessageW(target_, message, wParam, 0);
    forwarding_ = false;
    if (LOWORD(wParam) != SB_THUMBTRACK) {
        SyncBar(direction == SB_VERT ? vertical_ : horizontal_, direction, true);
    }
}

void CSkinScrollWnd::SyncBar(CSkinScrollBar& bar, int direction, bool redraw) {
    if (target_ == nullptr || bar.hwnd() == nullptr) {
        return;
    }
    SCROLLINFO info{sizeof info, SIF_ALL};
    if (!::GetScrollInfo(target_, direction, &info)) {
        return;
    }
    const ScrollState& now = bar.State();
    if (now.minimum == info.nMin && now.maximum == info.nMax && now.page == static_cast<int>(info.nPage) &&
        now.position == info.nPos) {
        return;
    }
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    bar.SetScrollInfo(info, redraw);
    EnableWindow(bar.hwnd(), info.nMax >= static_cast<int>(info.nPage));
}

bool CSkinScrollWnd::OnTimer(UINT_PTR id) {
    if (id != timer::kScrollFrameSync) {
        return false;
    }
    if (HasStyle(vertical_.hwnd(), WS_VISIBLE) && !vertical_.IsDragging()) {
        SyncBar(vertical_, SB_VERT, true);
    }
    if (HasStyle(horizontal_.hwnd(), WS_VISIBLE) && !horizontal_.IsDragging()) {
        SyncBar(horizontal_, SB_HORZ, true);
    }
    return true;
}

bool CSkinScrollWnd::OnPaint(HDC dc) {
    if (corner_ == 0 || !skin_) {
        return true;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool left = corner_ == 1;
    const layout::Rect tile = ScrollCornerTile(left, tile_);
    const int x = left ? 0 : client.right - tile_;
    ui::DrawBitmapPart(dc, skin_.get(), x, client.bottom - tile_, ui::ToRect(tile));
    return true;
}

LRESULT CSkinScrollWnd::LimitWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_DELETEITEM:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            if (HWND frame = Parent()) {
                return SendMessageW(GetParent(frame), message, wParam, lParam);
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // the target covers it
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace kx90::skin
