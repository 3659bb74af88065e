// Hit testing, press activation and press hand-over for the controls that hover by capture.
#include "win/skin/pointer_capture.h"

#include "win/ui/window.h"

namespace kx90::skin {

namespace {

// A disabled window takes no input, and neither do the children of one (the main window while a
// modal dialog runs).
bool TakesInput(HWND window) {
    for (HWND w = window; w != nullptr; w = GetAncestor(w, GA_PARENT)) {
        if (!IsWindowEnabled(w)) {
            return false;
        }
        if ((GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return IsWindowVisible(window) != FALSE;
}

}  // namespace

bool PointerOverControl(HWND control, POINT client) {
    if (!TakesInput(control)) {
        return false;
    }
    RECT rc;
    GetClientRect(control, &rc);
    if (!PtInRect(&rc, client)) {
        return false;
    }
    POINT screen = client;
    ClientToScreen(control, &screen);
    return WindowFromPoint(screen) == control;
}

bool TopLevelActive(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    return root != nullptr && GetActiveWindow() == root;
}

void ActivateForPress(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    // Foreground, not only active in this thread: after another program's window had the
    // activation, a press must bring the program's window back to the front of the input.
    if (root != nullptr && IsWindowEnabled(root) && GetForegroundWindow() != root) {
        SetForegroundWindow(root);
    }
}

void PassPressOn(HWND control, WPARAM keys, POINT client) {
    POINT screen = client;
    ClientToScreen(control, &screen);
    if (GetCapture() == control) {
        ReleaseCapture();
    }
    HWND target = WindowFromPoint(screen);
    if (target == nullptr || target == control || !TakesInput(target) ||
        GetWindowThreadProcessId(target, nullptr) != GetCurrentThreadId()) {
        return;  // another thread's window: the system routes the next input there itself
    }
    HWND root = GetAncestor(target, GA_ROOT);
    const LRESULT activate = SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root),
                                          MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    if (activate == MA_ACTIVATE || activate == MA_ACTIVATEANDEAT || activate == 0) {
        if (root != nullptr && GetForegroundWindow() != root) {
            SetForegroundWindow(root);
        }
    }
    if (activate == MA_ACTIVATEANDEAT || activate == MA_NOACTIVATEANDEAT) {
        return;
    }
    POINT at = screen;
    ScreenToClient(target, &at);
    PostMessageW(target, WM_LBUTTONDOWN, keys, ui::LParamFromPoint(at));
}

}  // namespace kx90::skin
