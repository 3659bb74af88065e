// CListBoxEx: drawing one row (fill, step icon, text) and loading the step icons.
#include "win/skin/list_box_ex.h"
#include "win/ui/gdi.h"
#include "win/ui/text.h"

namespace kx90::skin {
namespace {

// DT_END_ELLIPSIS | DT_NOCLIP | DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER.
constexpr UINT kTextFlags = 0x8134;
static_assert(kTextFlags == (DT_END_ELLIPSIS | DT_NOCLIP | DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER));

}  // namespace

Gdiplus::Bitmap* CListBoxEx::Icon(std::u16string_view file) {
    auto found = icons_.find(file);
    if (found == icons_.end()) {
        // "%sskins\%s": the installation folder ends with a backslash.
        found = icons_.emplace(file, ui::LoadImageFile(installDir_ + L"skins\\" + ui::Wide(file))).first;
    }
    return found->second.get();
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

    const int index = static_cast<int>(draw.itemID);
    const ListRowLayout place = LayOutListRow(layout::Rect{row.left, row.top, row.right, row.bottom},
                                              GetItemData(index), showIcons_, selected);
    if (!place.iconFile.empty()) {
        if (Gdiplus::Bitmap* icon = Icon(place.iconFile)) {
            Gdiplus::Graphics graphics(dc);
            graphics.DrawImage(icon, place.icon.left, place.icon.top, place.icon.Width(),
                               place.icon.Height());
        }
    }

    COLORREF color = selected ? selectedTextColor_ : textColor_;
    if ((draw.itemState & ODS_DISABLED) != 0) {
        color = GetSysColor(COLOR_BTNSHADOW);
    }
    const RECT textRect{place.textLeft, row.top, row.right, row.bottom};
    ui::DrawTextIn(dc, GetItemText(index), textRect, font_.get(), color, kTextFlags);
}

}  // namespace kx90::skin
