// A tooltip for one control, fed by relayed mouse messages. Its window is made when the pointer
// first reaches the control: a page with many controls pays nothing for their tips at start-up.
#pragma once

#include <windows.h>

#include <string>

#include "win/ui/handles.h"

namespace kx90::ui {

class Tooltip {
public:
    // Sets the text and activates or deactivates the tip; an existing tip window shows it at once.
    void SetText(HWND control, const std::wstring& text, bool activate);
    // Hands a mouse message of the control to the tooltip (before the control handles it); the
    // first one makes the tip window, with the control's client area as its tool.
    void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    const std::wstring& Text() const { return text_; }

private:
    void Update(HWND control);

    UniqueHwnd tip_;
    std::wstring text_;
    bool active_ = false;
    bool set_ = false;  // SetText was called: there is something to show
};

}  // namespace kx90::ui
