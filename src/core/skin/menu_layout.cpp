// Popup menu layout.
#include "core/skin/menu_layout.h"

namespace kx90::skin {

MenuLayout LayOutMenu(std::span<const bool> separators) {
    constexpr int kMenuWidth = 116;
    MenuLayout layout;
    int y = 6;
    for (bool separator : separators) {
        if (separator) {
            layout.items.push_back({32, y + 2, 110, y + 3});
            y += 4;
        } else {
            layout.items.push_back({6, y, 110, y + 22});
            y += 22;
        }
    }
    layout.size = {kMenuWidth, y + 3};
    return layout;
}

int MenuHitTest(const MenuLayout& layout, std::span<const bool> separators, layout::Point point) {
    for (size_t i = 0; i < layout.items.size() && i < separators.size(); ++i) {
        if (!separators[i] && layout.items[i].Contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace kx90::skin
