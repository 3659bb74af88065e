// CSkinScrollBar: a scroll bar painted from a 9 x 3 tile skin bitmap, with hover and pressed looks,
// thumb dragging and auto-repeat. It keeps its own scroll state (the standard SBM_SETSCROLLINFO /
// SBM_GETSCROLLINFO requests reach it) and sends WM_VSCROLL / WM_HSCROLL to its parent.
#pragma once

#include <windows.h>

#include "core/skin/scroll_bar_math.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CSkinScrollBar : public ui::Window {
public:
    // A bar in the parent (parent client coordinates); its thickness follows the skin once set.
    bool CreateBar(HWND parent, const RECT& rect, UINT id, bool vertical, bool visible = true);

    // Takes a copy of the skin; t = its width / 9. The bar becomes t thick (width of a vertical
    // bar, height of a horizontal one) and keeps its position.
    void SetSkin(HBITMAP skin);
    int Tile() const { return tile_; }
    bool IsVertical() const { return vertical_; }

    // As the system's scroll bars: the mask says which fields count; the page is kept within
    // 0..range + 1 and the position within minimum..maximum - page + 1. Returns the position.
    int SetScrollInfo(const SCROLLINFO& info, bool redraw);
    void GetScrollInfo(SCROLLINFO& info) const;
    const ScrollState& State() const { return state_; }
    bool IsDragging() const { return state_.trackPosition >= 0; }

    // The part currently drawn pressed (kScrollPartNone when none) and the one under the pointer.
    int PressedPart() const { return pressed_; }
    int HoverPart() const { return hover_; }

protected:
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnLButtonUp(UINT keys, POINT at) override;
    bool OnLButtonDblClk(UINT, POINT) override { return true; }  // double clicks do nothing
    bool OnCaptureChanged(HWND capture) override;
    bool OnTimer(UINT_PTR id) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ScrollBarGeometry Geometry() const;
    int Along(POINT at) const { return vertical_ ? at.y : at.x; }
    int PartAt(POINT at) const;
    void OnMouseLeave();
    void StartDrag(POINT at);
    void DragTo(POINT at);
    void EndPress(bool sendEnd);
    void RepeatTick();
    void SendCommand(int code, int position = 0);
    void SetHover(int part);

    void DrawPart(HDC dc, HDC skin, const ScrollBarGeometry& geometry, int part, int row) const;
    void DrawThumb(HDC dc, HDC skin, const RECT& where, const layout::Rect& tile) const;
    int RowOf(int part) const;
    RECT PartRect(const ScrollBarGeometry& geometry, int part) const;

    ui::UniqueBitmap skin_;
    int tile_ = 0;
    bool vertical_ = true;
    ScrollState state_;
    int pressed_ = kScrollPartNone;  // an arrow or track part held down (not the thumb)
    bool suspended_ = false;         // the pointer left the pressed part
    int hover_ = kScrollPartNone;
    bool trackingLeave_ = false;
    POINT dragStart_{};
    int dragStartPosition_ = 0;
};

}  // namespace kx90::skin
