// A tooltip for one control, created on first use, fed by relayed mouse messages.
#pragma once

#include <windows.h>

#include <string>

#include "win/ui/handles.h"

namespace kx90::ui {

class Tooltip {
public:
    // Creates the tooltip on first use, adds the control's client area as its tool, sets the text
    // and activates or deactivates it.
    void SetText(HWND control, const std::wstring& text, bool activate);
    // Hands a mouse message of the control to the tooltip (before the control handles it).
    void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
    const std::wstring& Text() const { return text_; }

private:
    UniqueHwnd tip_;
    std::wstring text_;
};

}  // namespace kx90::ui
