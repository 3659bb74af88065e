// The five pages of the main window, in the order of its tabs.
#include "win/pages/main_pages.h"

#include "win/pages/lighting_page.h"
#include "win/pages/macro_page.h"
#include "win/pages/performance_page.h"
#include "win/pages/statistics_page.h"
#include "win/pages/support_page.h"

namespace kx90::pages {

PageList MakeMainPages() {
    return {std::make_unique<CDlgMainSet>(), std::make_unique<CDlgLEDSet>(), std::make_unique<CDlgMacro>(),
            std::make_unique<CDlgSts>(), std::make_unique<CDlgSupport>()};
}

}  // namespace kx90::pages
