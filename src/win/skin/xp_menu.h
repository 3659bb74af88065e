// CXPMenu: the owner-drawn system popup menu with an icon column (the tray icon's menu).
#pragma once

#include <windows.h>

namespace kx90::skin {

// One row; the caller keeps the records alive while the menu is shown.
struct XPMenuItem {
    WORD normalIcon;    // icon resource, 16 x 16
    WORD selectedIcon;  // icon resource shown while the row is selected
    const wchar_t* text;
    UINT command;
};

class CXPMenu {
public:
    static constexpr int kItemWidth = 75;
    static constexpr int kItemHeight = 22;

    // Shows the menu at a screen point (tracked with the right button) and, when a row is chosen,
    // posts its WM_COMMAND to the owner. Returns the chosen command or 0.
    static UINT Track(HWND owner, POINT screen, const XPMenuItem* items, int count);

    static void MeasureItem(MEASUREITEMSTRUCT& measure);
    static void DrawItem(const DRAWITEMSTRUCT& draw);
};

}  // namespace kx90::skin
