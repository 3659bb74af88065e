#include "win/pages/statistics_page.h"

#include "win/app/messages.h"

namespace kx90::pages {

void CDlgSts::HostEvent(uint32_t, uint32_t) {
    // The counters by button come with the page's own controls; until then every event counts.
    ++eventsSeen_;
}

LRESULT CDlgSts::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == msg::kHostEventCopy) {
        HostEvent(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
        return 0;
    }
    return PageWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace kx90::pages
