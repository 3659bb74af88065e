// CXPMenu: tracking through a hidden helper window that draws the rows.
#include "win/skin/xp_menu.h"

#include "win/ui/gdi.h"
#include "win/ui/window.h"

namespace kx90::skin {
namespace {

constexpr COLORREF kPlainFill = 0xD1D8DB;
constexpr COLORREF kSelectedFill = 0xCFB9B1;
constexpr COLORREF kSelectedText = 0x913C00;
constexpr int kIconColumn = 25;
constexpr UINT kTextFlags = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOCLIP;  // 0x8135

// The menu's owner window: receives the measure and draw requests of the owner-drawn rows, so the
// real owner needs no code for them.
class MenuHost : public ui::Window {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MEASUREITEM) {
            CXPMenu::MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            CXPMenu::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

void DrawIconAt(HDC dc, WORD id, int x, int y) {
    auto* icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
    if (icon != nullptr) {
        DrawIconEx(dc, x, y, icon, 16, 16, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
}

}  // namespace

void CXPMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
    measure.itemWidth = kItemWidth;
    measure.itemHeight = kItemHeight;
}

void CXPMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
    const auto* item = reinterpret_cast<const XPMenuItem*>(draw.itemData);
    if (item == nullptr) {
        return;
    }
    HDC dc = draw.hDC;
    const RECT& r = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const int iconY = r.top + (ui::Height(r) - 16) / 2;
    if (selected) {
        ui::FillSolid(dc, r, RGB(0, 0, 0));
        ui::FillSolid(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kSelectedFill);
        DrawIconAt(dc, item->selectedIcon, r.left + (kIconColumn - 16) / 2, iconY);
    } else {
        ui::FillSolid(dc, r, kPlainFill);
        DrawIconAt(dc, item->normalIcon, r.left + (kIconColumn - 16) / 2, iconY);
    }
    ui::UniqueFont font = ui::CreateUiFont(14, 500, L"Arial");
    const RECT box{r.left + kIconColumn + 8, r.top, r.right, r.bottom};
    ui::DrawTextIn(dc, item->text, box, font.get(), selected ? kSelectedText : RGB(0, 0, 0), kTextFlags);
}

UINT CXPMenu::Track(HWND owner, POINT screen, const XPMenuItem* items, int count) {
    MenuHost host;
    ui::Window::CreateArgs args;
    args.style = WS_CHILD;  // invisible; only receives the menu's messages
    args.parent = owner;
    if (!host.Create(args)) {
        return 0;
    }
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < count; ++i) {
        AppendMenuW(menu, MF_OWNERDRAW, items[i].command, reinterpret_cast<const wchar_t*>(&items[i]));
    }
    // The menu only closes on a click elsewhere when its owner is the foreground window.
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, host.hwnd(), nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (command != 0) {
        PostMessageW(owner, WM_COMMAND, command, 0);
    }
    return command;
}

}  // namespace kx90::skin
