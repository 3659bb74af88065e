// Hover, press and click of the rectangular skinned buttons.
#include "win/skin/skin_button_base.h"

#include "win/skin/pointer_capture.h"

namespace kx90::skin {

bool SkinButtonBase::CreateButton(HWND parent, const RECT& rect, UINT id, const std::wstring& text) {
    CreateArgs args;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    args.rect = rect;
    args.parent = parent;
    args.id = id;
    args.text = text;
    return Create(args);
}

LRESULT SkinButtonBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    tooltip_.Relay(hwnd(), message, wParam, lParam);
    switch (message) {
        case WM_ENABLE:
            if (wParam == FALSE) {
                LetGo();
            }
            Invalidate();
            break;
        case WM_SHOWWINDOW:
            if (wParam == FALSE) {
                LetGo();
            }
            break;
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) != 0) {
                LetGo();
            }
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool SkinButtonBase::OnMouseMove(UINT keys, POINT at) {
    PostMoveToParent(keys, at);
    if (GetCapture() != hwnd()) {
        // Hover starts only while the button's window is active, so a button never lights up
        // under another window or while a popup of the program has the input.
        if (TopLevelActive(hwnd())) {
            hover_ = true;
            SetCapture(hwnd());
            Invalidate();
        }
        return true;
    }
    const bool inside = PointerOverControl(hwnd(), at);
    if (pressed_ && inside != pressedInside_) {
        pressedInside_ = inside;
        Invalidate();
    }
    const bool hover = inside && (pressed_ || TopLevelActive(hwnd()));
    if (hover != hover_) {
        hover_ = hover;
        Invalidate();
    }
    if (!hover_ && !pressed_ && (keys & MK_LBUTTON) == 0) {
        ReleaseCapture();
    }
    return true;
}

bool SkinButtonBase::OnLButtonDown(UINT keys, POINT at) {
    if (GetCapture() == hwnd() && !pressed_ && !PointerOverControl(hwnd(), at)) {
        PassPressOn(hwnd(), keys, at);
        return true;
    }
    ActivateForPress(hwnd());
    pressed_ = true;
    pressedInside_ = true;
    if (GetCapture() != hwnd()) {
        SetCapture(hwnd());
    }
    OnPressed();
    Invalidate();
    return true;
}

bool SkinButtonBase::OnLButtonUp(UINT, POINT at) {
    if (!pressed_) {
        return true;
    }
    RECT client;
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, at) != FALSE;
    pressed_ = false;
    pressedInside_ = false;
    if (!inside) {
        hover_ = false;
        ReleaseCapture();
    }
    Invalidate();
    OnReleased();
    if (!inside) {
        return true;
    }
    // The parent may destroy this button while handling the click, or open a window that takes
    // the activation or covers the button (the language popup): look again only when it lives.
    HWND self = hwnd();
    SendMessageW(Parent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self), BN_CLICKED),
                 reinterpret_cast<LPARAM>(self));
    if (IsWindow(self) && ui::Window::FromHandle(self) == this) {
        RecheckHover();
    }
    return true;
}

void SkinButtonBase::RecheckHover() {
    if (GetCapture() != hwnd() || pressed_) {
        return;
    }
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(hwnd(), &at);
    const bool hover = PointerOverControl(hwnd(), at) && TopLevelActive(hwnd());
    if (hover != hover_) {
        hover_ = hover;
        Invalidate();
    }
    if (!hover) {
        ReleaseCapture();
    }
}

void SkinButtonBase::LetGo() {
    const bool held = GetCapture() == hwnd();
    if (hover_ || pressed_) {
        hover_ = false;
        pressed_ = false;
        pressedInside_ = false;
        Invalidate();
    }
    if (held) {
        ReleaseCapture();
    }
}

bool SkinButtonBase::OnCaptureChanged(HWND) {
    if (hover_ || pressed_) {
        hover_ = false;
        pressed_ = false;
        pressedInside_ = false;
        Invalidate();
    }
    return true;
}

bool SkinButtonBase::OnKillFocus(HWND) {
    if (hover_) {
        hover_ = false;
        Invalidate();
    }
    return false;
}

}  // namespace kx90::skin
