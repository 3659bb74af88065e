// CDlgSts: the statistics page, a child of the main window.
#pragma once

#include <cstdint>
#include <string>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgSts : public PageWindow {
public:
    static constexpr const wchar_t* kPicture = L"Sts_Normal.bmp";

    // The counters go to Sts.cfg (the session is ending).
    void SaveCounters() {}
    // A host event from the mouse hook (message 0x4C9): counted by its code.
    void HostEvent(uint32_t code, uint32_t lParam);
    uint32_t EventsSeen() const { return eventsSeen_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    uint32_t eventsSeen_ = 0;

protected:
    const std::u16string& Title() const override { return Strings().str_sts; }
};

}  // namespace kx90::pages
