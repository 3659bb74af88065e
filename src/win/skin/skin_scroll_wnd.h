// CSkinScrollWnd: wraps a scrollable window (a list box, an edit) in a frame whose skinned bars
// stand in for the window's own scroll bars. The window is moved into a clipping child "LIMIT"
// sized so that its system bars fall outside it; the frame keeps the skin bars in step with the
// window's scroll state and forwards their commands to it.
#pragma once

#include <windows.h>

#include "win/skin/skin_scroll_bar.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CSkinScrollWnd;

// Wraps target in a new frame painted from the 9 x 3 tile skin (the frame keeps its own copy of
// the bitmap). The frame owns itself: it unwraps and goes away when the target is destroyed, and
// it goes away with the target's parent. nullptr when target is not a child window or is already
// wrapped.
CSkinScrollWnd* SkinScrollWindow(HWND target, HBITMAP skin);

class CSkinScrollWnd : public ui::Window {
public:
    static constexpr wchar_t kFrameName[] = L"SkinScrollBarFrame";
    static constexpr wchar_t kLimitName[] = L"LIMIT";

    // The frame round a wrapped window, or nullptr.
    static CSkinScrollWnd* FromTarget(HWND target);

    HWND Target() const { return target_; }
    HWND Limit() const { return limit_.hwnd(); }
    CSkinScrollBar& VerticalBar() { return vertical_; }
    CSkinScrollBar& HorizontalBar() { return horizontal_; }
    int Tile() const { return tile_; }
    // 0 no corner square, 1 at the bottom left, 2 at the bottom right.
    int Corner() const { return corner_; }

protected:
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    void OnFinalMessage() override { delete this; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend CSkinScrollWnd* SkinScrollWindow(HWND target, HBITMAP skin);

    // The clipping window. The wrapped window keeps sending its requests and notifications to its
    // parent; should it send them here, they go on to the frame's parent unchanged.
    class LimitWindow : public ui::Window {
    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    CSkinScrollWnd() = default;
    bool Wrap(HWND target, HBITMAP skin);
    static LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnTargetMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTargetNcCalcSize(LPARAM lParam);
    void Unwrap();

    void PlaceBars(bool hasVertical, bool hasHorizontal, bool leftScrollBar);
    void PlaceLimit(bool hasVertical, bool leftScrollBar);
    void OnScroll(UINT message, WPARAM wParam, HWND bar);
    // Copies the target's scroll state for one direction into its bar when it differs.
    void SyncBar(CSkinScrollBar& bar, int direction, bool redraw);

    HWND target_ = nullptr;
    HWND oldParent_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    ui::UniqueBitmap skin_;
    int tile_ = 0;
    LimitWindow limit_;
    CSkinScrollBar horizontal_;
    CSkinScrollBar vertical_;
    int corner_ = 0;
    bool forwarding_ = false;  // a bar's command is on its way to the target
    bool dying_ = false;       // the frame itself is being destroyed
};

}  // namespace kx90::skin
