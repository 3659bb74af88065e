// Hover, press and click of the rectangular skinned buttons.
#include "win/skin/skin_button_base.h"

namespace kx90::skin {
namespace {

// Hover starts only while one of the program's windows is active, so a button never lights up
// under a window of another program.
bool ProgramWindowActive() {
    return GetActiveWindow() != nullptr;
}

}  // namespace

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
    if (message == WM_ENABLE) {
        Invalidate();
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool SkinButtonBase::PointerOverSelf(POINT client) const {
    POINT screen = client;
    ClientToScreen(hwnd(), &screen);
    return WindowFromPoint(screen) == hwnd();
}

bool SkinButtonBase::OnMouseMove(UINT keys, POINT at) {
    PostMoveToParent(keys, at);
    if (GetCapture() != hwnd()) {
        if (ProgramWindowActive()) {
            hover_ = true;
            SetCapture(hwnd());
            Invalidate();
        }
        return true;
    }
    RECT client;
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, at) && PointerOverSelf(at);
    if (pressed_ && inside != pressedInside_) {
        pressedInside_ = inside;
        Invalidate();
    }
    if (!inside && hover_) {
        hover_ = false;
        Invalidate();
        if ((keys & MK_LBUTTON) == 0 && !pressed_) {
            ReleaseCapture();
        }
    } else if (inside && !hover_) {
        hover_ = true;
        Invalidate();
    }
    return true;
}

bool SkinButtonBase::OnLButtonDown(UINT, POINT) {
    HWND owner = GetAncestor(hwnd(), GA_ROOT);
    if (owner != nullptr && GetActiveWindow() != owner) {
        SetActiveWindow(owner);
    }
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
    if (inside) {
        // Last: the parent may destroy this button while handling the click.
        SendMessageW(Parent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd()));
    }
    return true;
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
