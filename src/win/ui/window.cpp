// Window base: creation, subclassing and the one window procedure of the program.
#include "win/ui/window.h"

namespace kx90::ui {
namespace {

constexpr wchar_t kObjectProperty[] = L"KX90.Window";
constexpr wchar_t kWindowClass[] = L"KX90Window";

bool IsCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

const wchar_t* Window::ClassName() {
    static const bool registered = [] {
        WNDCLASSEXW wc{sizeof wc};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    return kWindowClass;
}

Window::~Window() {
    if (hwnd_ != nullptr) {
        // No virtual calls reach a half-destroyed object: detach before destroying.
        HWND window = hwnd_;
        Detach();
        DestroyWindow(window);
    }
}

bool Window::Create(const CreateArgs& args) {
    const wchar_t* className = args.className != nullptr ? args.className : ClassName();
    const bool child = (args.style & WS_CHILD) != 0;
    HWND window =
        CreateWindowExW(args.exStyle, className, args.text.c_str(), args.style, args.rect.left, args.rect.top,
                        args.rect.right - args.rect.left, args.rect.bottom - args.rect.top, args.parent,
                        child ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(args.id)) : nullptr,
                        GetModuleHandleW(nullptr), this);
    if (window != nullptr && args.className != nullptr) {
        return Subclass(window);
    }
    return window != nullptr;
}

bool Window::Subclass(HWND window) {
    if (window == nullptr || hwnd_ != nullptr) {
        return false;
    }
    Attach(window);
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    return OnCreate();
}

void Window::Destroy() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND window) {
    return window != nullptr ? static_cast<Window*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void Window::Attach(HWND window) {
    hwnd_ = window;
    SetPropW(window, kObjectProperty, this);
}

void Window::Detach() {
    if (hwnd_ == nullptr) {
        return;
    }
    RemovePropW(hwnd_, kObjectProperty);
    if (oldProc_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    }
    hwnd_ = nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* self = static_cast<Window*>(create->lpCreateParams)) {
            self->Attach(window);
        }
    }
    Window* self = FromHandle(window);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Dispatch(self, message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(window);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Dispatch(self, message, wParam, lParam);
}

LRESULT Window::Dispatch(Window* self, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->DefaultProc(message, wParam, lParam);
        self->Detach();
        self->OnFinalMessage();
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (oldProc_ != nullptr) {
        return CallWindowProcW(oldProc_, hwnd_, message, wParam, lParam);
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at = PointFromLParam(lParam);
    const UINT keys = static_cast<UINT>(wParam);
    bool handled = false;
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_PAINT:
            if (oldProc_ == nullptr) {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd_, &ps);
                OnPaint(dc);
                EndPaint(hwnd_, &ps);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) {
                return 1;
            }
            break;
        case WM_TIMER:
            handled = OnTimer(wParam);
            break;
        case WM_MOUSEMOVE:
            handled = OnMouseMove(keys, at);
            break;
        case WM_LBUTTONDOWN:
            handled = OnLButtonDown(keys, at);
            break;
        case WM_LBUTTONUP:
            handled = OnLButtonUp(keys, at);
            break;
        case WM_LBUTTONDBLCLK:
            handled = OnLButtonDblClk(keys, at);
            break;
        case WM_CAPTURECHANGED:
            handled = OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            break;
        case WM_KILLFOCUS:
            handled = OnKillFocus(reinterpret_cast<HWND>(wParam));
            break;
        case WM_COMMAND:
            handled = OnCommand(wParam, lParam);
            break;
        case WM_CLOSE:
            handled = OnClose();
            break;
        case WM_ACTIVATE:
            handled = OnActivate(LOWORD(wParam) != WA_INACTIVE);
            break;
        default:
            if (IsCtlColor(message)) {
                // Hand the colour request back to the control it is about, as the controls of
                // the program paint their own backgrounds.
                if (Window* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
                    if (HBRUSH brush = control->OnReflectedCtlColor(reinterpret_cast<HDC>(wParam))) {
                        return reinterpret_cast<LRESULT>(brush);
                    }
                }
            }
            break;
    }
    return handled ? 0 : DefaultProc(message, wParam, lParam);
}

}  // namespace kx90::ui
