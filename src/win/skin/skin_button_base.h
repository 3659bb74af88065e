// What the program's rectangular skinned buttons share: hover tracking by capture, press and
// click, the tooltip, and the posted mouse moves. The capture is held for the hover look only
// while the pointer is on the button and its window is active; pressed, it is held until the
// release.
#pragma once

#include <string>

#include "win/ui/tooltip.h"
#include "win/ui/window.h"

namespace kx90::skin {

class SkinButtonBase : public ui::Window {
public:
    // Creates the button as a visible owner-painted child at rect (parent client coordinates).
    bool CreateButton(HWND parent, const RECT& rect, UINT id = 0, const std::wstring& text = L"");

    void SetTooltipText(const std::wstring& text, bool activate) { tooltip_.SetText(hwnd(), text, activate); }
    bool IsHover() const { return hover_; }
    // Pressed and the pointer still over the button: the pushed look.
    bool IsPushed() const { return pressed_ && pressedInside_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnLButtonUp(UINT keys, POINT at) override;
    bool OnLButtonDblClk(UINT keys, POINT at) override { return OnLButtonDown(keys, at); }
    bool OnCaptureChanged(HWND) override;
    bool OnKillFocus(HWND) override;
    bool OnEraseBackground(HDC) override { return true; }

    // Hooks for the derived buttons.
    virtual void PostMoveToParent(UINT keys, POINT at) = 0;  // every move, in the class's coordinates
    virtual void OnPressed() {}
    virtual void OnReleased() {}

private:
    // After a click: keeps the capture and the hover look only while the pointer is still on the
    // button and its window is the active one (the click may have opened a window over it).
    void RecheckHover();
    // Drops every state and the capture (disabled, hidden).
    void LetGo();

    ui::Tooltip tooltip_;
    bool hover_ = false;
    bool pressed_ = false;
    bool pressedInside_ = false;
};

}  // namespace kx90::skin
