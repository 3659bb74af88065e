// The help line's hover zones.
#include "core/pages/status_zones.h"

namespace kx90::pages {

std::vector<int> StatusCodesIn(std::span<const StatusZone> zones, layout::Point cursor, bool chineseUi) {
    std::vector<int> codes;
    for (const StatusZone& zone : zones) {
        const layout::Rect& r = zone.rect.For(chineseUi);
        const layout::Rect widened{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
        if (widened.Contains(cursor)) {
            codes.push_back(zone.statusCode);
        }
    }
    return codes;
}

}  // namespace kx90::pages
