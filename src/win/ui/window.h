// The window base of the program: owns its HWND, finds itself at WM_NCCREATE and hands every
// message to one short virtual handler. Child controls, popups and dialogs all derive from it.
#pragma once

#include <windows.h>

#include <string>

namespace kx90::ui {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Everything CreateWindowExW takes, with a default for each.
    struct CreateArgs {
        DWORD exStyle = 0;
        DWORD style = WS_CHILD | WS_VISIBLE;
        std::wstring text;
        RECT rect{};            // parent client coordinates (screen for top-level windows)
        HWND parent = nullptr;  // parent, or owner of a popup
        UINT id = 0;
        const wchar_t* className = nullptr;  // nullptr: the program's own window class
    };
    bool Create(const CreateArgs& args);

    // Adopts a window made by a system class (an edit control): its messages come here first and
    // go on to the class's own procedure.
    bool Subclass(HWND window);

    void Destroy();
    HWND hwnd() const { return hwnd_; }
    HWND Parent() const { return GetParent(hwnd_); }
    void Invalidate() const { InvalidateRect(hwnd_, nullptr, FALSE); }
    void StartTimer(UINT_PTR id, UINT milliseconds) const { SetTimer(hwnd_, id, milliseconds, nullptr); }
    void StopTimer(UINT_PTR id) const { KillTimer(hwnd_, id); }

    // The object behind a window of ours, or nullptr.
    static Window* FromHandle(HWND window);

    // The program's window class (double clicks, arrow cursor, nothing erased by the class).
    static const wchar_t* ClassName();

protected:
    // The whole switch: each case calls one handler; a handler that returns false leaves the
    // message to the default processing.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual bool OnCreate() { return true; }  // false: creation fails
    virtual void OnDestroy() {}
    virtual void OnFinalMessage() {}  // after WM_NCDESTROY; the object may delete itself here
    virtual bool OnPaint(HDC) { return false; }
    virtual bool OnEraseBackground(HDC) { return false; }
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnMouseMove(UINT, POINT) { return false; }
    virtual bool OnLButtonDown(UINT, POINT) { return false; }
    virtual bool OnLButtonUp(UINT, POINT) { return false; }
    virtual bool OnLButtonDblClk(UINT, POINT) { return false; }
    virtual bool OnCaptureChanged(HWND) { return false; }
    virtual bool OnKillFocus(HWND) { return false; }
    virtual bool OnCommand(WPARAM, LPARAM) { return false; }
    virtual bool OnClose() { return false; }
    virtual bool OnActivate(bool) { return false; }
    // WM_CTLCOLOR* that the parent hands back to the control it is about (edit backgrounds).
    virtual HBRUSH OnReflectedCtlColor(HDC) { return nullptr; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Dispatch(Window* self, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND window);
    void Detach();

    HWND hwnd_ = nullptr;
    WNDPROC oldProc_ = nullptr;  // set for subclassed system controls
};

// Point of a mouse message.
inline POINT PointFromLParam(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
inline LPARAM LParamFromPoint(POINT p) {
    return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

}  // namespace kx90::ui
