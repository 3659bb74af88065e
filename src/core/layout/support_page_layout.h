// The support page (925 x 452), in page pixels.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout::support_page {

inline constexpr Size kSize{925, 452};

inline constexpr Rect kFirmwareUpdate{405, 264, 520, 293};
inline constexpr Rect kWebSite{711, 264, 826, 293};
inline constexpr Rect kImport{134, 389, 224, 420};
inline constexpr Rect kExport{234, 389, 324, 420};
inline constexpr Rect kRestoreDefaults{785, 388, 873, 417};
inline constexpr Rect kDriverVersionZone{77, 110, 274, 141};     // status 89
inline constexpr Rect kFirmwareVersionZone{380, 113, 559, 140};  // status 90

// Where the page paints the two version texts (x, y, width, height in the drawing call).
inline constexpr Rect kDriverVersionText{127, 169, 127 + 247, 169 + 192};
inline constexpr Rect kFirmwareVersionText{440, 169, 440 + 515, 169 + 192};

}  // namespace kx90::layout::support_page
