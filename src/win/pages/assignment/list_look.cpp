// The popup lists' colours, row height and skinned scroll frame.
#include "win/pages/assignment/list_look.h"

#include "win/resources/resource_ids.h"
#include "win/skin/skin_scroll_wnd.h"
#include "win/ui/gdi.h"

namespace kx90::pages {

namespace {
constexpr COLORREF kListBackground = 0x0F0F0F;
constexpr COLORREF kListSelection = 0x252525;
constexpr COLORREF kListText = 0x6B5C53;
constexpr COLORREF kListSelectedText = 0x969696;
}  // namespace

void MakeAssignmentList(skin::CListBoxEx& list, HWND parent, const RECT& rect, UINT id, int itemHeight) {
    list.CreateList(parent, rect, id, WS_VSCROLL);
    list.SetItemHeight(itemHeight);
    // Item data is the owner's value (a macro id's top byte is its group): never read as a step type.
    list.SetShowIcons(false);
    list.SetColors(kListBackground, kListSelection);
    list.SetTextColors(kListText, kListSelectedText);
}

void WrapInSkinScrollBars(skin::CListBoxEx& list) {
    // The frame keeps its own copy of the skin.
    const ui::SkinBitmap skin = ui::LoadBitmapResource(IDB_SCROLL_SKIN);
    skin::SkinScrollWindow(list.hwnd(), skin.bitmap.get());
}

}  // namespace kx90::pages
