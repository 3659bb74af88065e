// The skinned list box's row layout and the rows in view.
#include "core/skin/list_box_math.h"

#include <algorithm>

namespace kx90::skin {
namespace {

constexpr int kIconSize = 16;
constexpr int kIconLeft = 5;
constexpr int kIconTop = 1;
constexpr int kTextLeft = 5;
constexpr int kTextAfterIcon = kIconSize + 10;

struct IconFiles {
    uint32_t type;
    std::u16string_view normal;
    std::u16string_view selected;
};

constexpr IconFiles kIconFiles[] = {
    {kListItemKeyUp, u"up_normal.png", u"up_select.png"},
    {kListItemKeyDown, u"down_normal.png", u"down_select.png"},
    {kListItemDelay, u"delay_normal.png", u"delay_select.png"},
};

}  // namespace

ListRowLayout LayOutListRow(const layout::Rect& row, uint32_t itemData, bool showIcons, bool selected) {
    ListRowLayout out;
    out.textLeft = row.left + kTextLeft;
    if (!showIcons) {
        return out;
    }
    const uint32_t type = itemData >> 24;
    for (const IconFiles& files : kIconFiles) {
        if (files.type == type) {
            const int left = row.left + kIconLeft;
            const int top = row.top + kIconTop;
            out.icon = {left, top, left + kIconSize, top + kIconSize};
            out.iconFile = selected ? files.selected : files.normal;
        }
    }
    if (type >= kListItemIndented && type <= kListItemDelay) {
        out.textLeft = row.left + kTextAfterIcon;
    }
    return out;
}

int ListVisibleRows(int clientHeight, int itemHeight) {
    if (itemHeight <= 0 || clientHeight <= 0) {
        return 0;
    }
    return std::max(1, clientHeight / itemHeight);
}

int ListMaxTopIndex(int count, int clientHeight, int itemHeight) {
    return std::max(0, count - ListVisibleRows(clientHeight, itemHeight));
}

int ListItemAtPoint(int y, int topIndex, int itemHeight, int count) {
    if (y < 0 || itemHeight <= 0) {
        return -1;
    }
    const int index = topIndex + y / itemHeight;
    return index < count ? index : -1;
}

layout::Rect ListItemRect(int index, int topIndex, int itemHeight, int width) {
    const int top = (index - topIndex) * itemHeight;
    return {0, top, width, top + itemHeight};
}

}  // namespace kx90::skin
