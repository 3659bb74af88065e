// The skinned list box's rows: item data, where icons and texts go, the rows in view and under
// the pointer.
#include "core/skin/list_box_math.h"

#include <gtest/gtest.h>

namespace kx90::skin {
namespace {

TEST(ListBoxRows, IconsAndTextPlaces) {
    EXPECT_EQ(PackListItemData(kListItemKeyDown, 0x12345678), 0x03345678u);
    EXPECT_EQ(PackListItemData(kListItemPlain, 0x15000001), 0x15000001u);
    const layout::Rect row{0, 36, 372, 54};
    struct Row {
        uint32_t data;
        bool showIcons, selected;
        std::u16string_view icon;
        int textLeft;
    };
    const Row rows[] = {
        {PackListItemData(kListItemKeyDown, 0x41), true, false, u"down_normal.png", 26},
        {PackListItemData(kListItemKeyUp, 0x41), true, true, u"up_select.png", 26},
        {PackListItemData(kListItemDelay, 50), true, false, u"delay_normal.png", 26},
        {PackListItemData(kListItemIndented, 7), true, false, u"", 26},
        {PackListItemData(kListItemPlain, 7), true, false, u"", 5},
        {PackListItemData(kListItemKeyDown, 0x41), false, false, u"", 5},
        // A macro identifier of group 3 read as an item type: a list of identifiers shows no icons.
        {0x03000001, false, false, u"", 5},
        {0x03000001, true, false, u"down_normal.png", 26},
    };
    for (const Row& r : rows) {
        const ListRowLayout l = LayOutListRow(row, r.data, r.showIcons, r.selected);
        EXPECT_EQ(l.iconFile, r.icon) << std::hex << r.data;
        EXPECT_EQ(l.textLeft, r.textLeft) << std::hex << r.data;
        if (!r.icon.empty()) {
            EXPECT_EQ(l.icon.left, 5);
            EXPECT_EQ(l.icon.top, 37);
            EXPECT_EQ(l.icon.Width(), 16);
            EXPECT_EQ(l.icon.Height(), 16);
        }
    }
}

TEST(ListBoxRows, RowsInViewAndUnderThePointer) {
    EXPECT_EQ(ListVisibleRows(171, 18), 9);
    EXPECT_EQ(ListVisibleRows(10, 18), 1) << "a part of a row still shows one";
    EXPECT_EQ(ListVisibleRows(171, 0), 0);
    EXPECT_EQ(ListMaxTopIndex(24, 171, 18), 15);
    EXPECT_EQ(ListMaxTopIndex(5, 171, 18), 0);
    const std::pair<int, int> rows[] = {{0, 3}, {17, 3}, {18, 4}, {-1, -1}, {18 * 20, 23}, {18 * 21, -1}};
    for (const auto& [y, index] : rows) {
        EXPECT_EQ(ListItemAtPoint(y, 3, 18, 24), index) << "y " << y;
    }
    const layout::Rect r = ListItemRect(5, 3, 16, 181);
    EXPECT_EQ(r.top, 32);
    EXPECT_EQ(r.bottom, 48);
    EXPECT_EQ(r.right, 181);
}

}  // namespace
}  // namespace kx90::skin
