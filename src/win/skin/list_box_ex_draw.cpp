// CListBoxEx: drawing one row (fill, step icon, text) and loading the step icons.
#include "win/skin/list_box_ex.h"

#include "win/ui/gdi.h"

namespace kx90::skin {
namespace {

// DT_END_ELLIPSIS | DT_NOCLIP | DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER.
constexpr UINT kTextFlags = 0x8134;
static_assert(kTextFlags == (DT_END_ELLIPSIS | DT_NOCLIP | DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER));

constexpr int kTextLeft = 5;  // no icon column
constexpr int kIconLeft = 5;  // icon at (left + 5, top + 1)
constexpr int kIconTop = 1;
constexpr int kTextLeftWithIcon = CListBoxEx::kIconSize + 10;  // text after the icon column

// File names of the step icons of types 2..4: unselected, selected.
constexpr const wchar_t* kIconFiles[3][2] = {
    {L"up_normal.png", L"up_select.png"},
    {L"down_normal.png", L"down_select.png"},
    {L"delay_normal.png", L"delay_select.png"},
};

}  // namespace

void CListBoxEx::LoadIcons() {
    iconsLoaded_ = true;
    for (size_t type = 0; type < icons_.size(); ++type) {
        for (size_t selected = 0; selected < 2; ++selected) {
            icons_[type][selected] = ui::LoadImageFile(installDir_ + L"skins\\" + kIconFiles[type][selected]);
        }
    }
}

void CListBoxEx::DrawItem(const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1)) {
        return;  // an empty list drawing its focus
    }
    HDC dc = draw.hDC;
    const RECT& row = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (selected) {
        ui::FillSolid(dc, row, selectionColor_);
    } else {
        FillRect(dc, &row, BackgroundBrush());
    }

    const uint32_t type = ListItemTypeOf(GetItemData(static_cast<int>(draw.itemID)));
    const bool iconColumn = showIcons_ && type >= kListIndented && type <= kListDelay;
    if (iconColumn && type >= kListKeyUp) {
        if (!iconsLoaded_) {
            LoadIcons();
        }
        if (Gdiplus::Bitmap* icon = icons_[type - kListKeyUp][selected ? 1 : 0].get()) {
            Gdiplus::Graphics graphics(dc);
            graphics.DrawImage(icon, row.left + kIconLeft, row.top + kIconTop, kIconSize, kIconSize);
        }
    }

    COLORREF color = selected ? selectedTextColor_ : textColor_;
    if ((draw.itemState & ODS_DISABLED) != 0) {
        color = GetSysColor(COLOR_BTNSHADOW);
    }
    const RECT textRect{row.left + (iconColumn ? kTextLeftWithIcon : kTextLeft), row.top, row.right,
                        row.bottom};
    ui::DrawTextIn(dc, GetItemText(static_cast<int>(draw.itemID)), textRect, font_.get(), color, kTextFlags);
}

}  // namespace kx90::skin
