// Layout of the skinned popup menu: item rectangles and the popup's size.
#pragma once

#include <span>
#include <vector>

#include "core/layout/geometry.h"

namespace kx90::skin {

struct MenuLayout {
    std::vector<layout::Rect> items;  // one per entry, popup client coordinates
    layout::Size size;                // the popup's window size
};

// separators[i] tells whether entry i is a separator line. Items are 22 pixels high, separators 4,
// starting 6 pixels from the top; the popup is 116 pixels wide and ends 3 pixels below the last.
MenuLayout LayOutMenu(std::span<const bool> separators);

// Index of the first non-separator item whose rectangle contains the point, or -1.
int MenuHitTest(const MenuLayout& layout, std::span<const bool> separators, layout::Point point);

}  // namespace kx90::skin
