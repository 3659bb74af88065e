// CDlgSts: the host events it is sent.
#include "win/pages/statistics_page.h"

#include "win/ui/messages.h"

namespace kx90::pages {

void CDlgSts::HostEvent(uint32_t, uint32_t) {
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
