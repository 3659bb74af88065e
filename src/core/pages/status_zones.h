// The help line's hover zones, shared by the pages: a page lists every control with a status code
// and posts the codes of the zones under the pointer to the main window (message 0x805).
#pragma once

#include <span>
#include <vector>

#include "core/layout/geometry.h"

namespace kx90::pages {

struct StatusZone {
    layout::LocalizedRect rect;  // the control's window rectangle in page pixels
    int statusCode;              // message 0x805's lParam
};

// One code per zone whose rectangle, widened by one pixel on each side, holds the cursor (page
// pixels), in table order; several when rectangles overlap.
std::vector<int> StatusCodesIn(std::span<const StatusZone> zones, layout::Point cursor, bool chineseUi);

}  // namespace kx90::pages
