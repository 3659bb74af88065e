// The colours the windows, the skin art and SkinMenu.dll share, as COLORREF values 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace kx90::layout {

// The program's blue: checked tabs, hovered rows, the progress bar.
inline constexpr uint32_t kAccentColor = 0xD19300;

}  // namespace kx90::layout
