// Sizes and rectangles of the skinned controls' own pictures: the info dialog, the popup menus,
// the slider thumb, the progress window and the scroll-bar skin.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout {

namespace info_dialog {
inline constexpr Size kSize{330, 160};
inline constexpr Rect kCloseButton{300, 0, 329, 29};
inline constexpr Rect kOkOfTwo{178, 127, 244, 159};
inline constexpr Rect kCancelOfTwo{245, 127, 311, 159};
inline constexpr Rect kOkAlone{240, 127, 306, 159};
inline constexpr Rect kMessage{90, 73, 305, 91};
inline constexpr Rect kTitle{10, 9, 100, 23};
inline constexpr int kTitleLineY = 32;  // the thin line under the title area
inline constexpr Rect kWarningIcon{26, 58, 74, 102};
}  // namespace info_dialog

namespace popup_menu {
inline constexpr int kWidth = 116;
inline constexpr Size kLanguageMenuSize{116, 273};  // twelve items
inline constexpr Size kFlagIcon{19, 11};            // the language popup's item images
inline constexpr Size kFlagBitmap{37, 22};          // the main window's language picture
inline constexpr int kCornerSize = 32;              // nine-part frame corners of the background
}  // namespace popup_menu

namespace tray_menu {
inline constexpr Size kItem{75, 22};
inline constexpr Size kIcon{16, 16};
}  // namespace tray_menu

namespace slider {
inline constexpr Size kThumb{10, 12};
}  // namespace slider

namespace progress_window {
inline constexpr Size kSize{330, 90};
inline constexpr Rect kBar{35, 47, 295, 56};
}  // namespace progress_window

namespace scroll_skin {
inline constexpr int kTile = 12;  // the skin is 9 x 3 tiles of this size
}  // namespace scroll_skin

// The drop-down skin of the macro page's group menu (SkinMenu.dll): one item row.
namespace skin_menu {
inline constexpr Size kItemFace{160, 24};
}  // namespace skin_menu

}  // namespace kx90::layout
