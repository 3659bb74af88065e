// CDlgSts: the statistics page, a child of the main window.
#pragma once

#include <cstdint>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgSts : public PageWindow {
public:
    static constexpr UINT kPageId = 106;

    bool TakesHostEvents() const override { return true; }
    // A host event from the mouse hook (message 0x4C9), by its code.
    void HostEvent(uint32_t code, uint32_t lParam);
    uint32_t EventsSeen() const { return eventsSeen_; }

protected:
    const wchar_t* Picture() const override { return L"Sts_Normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_sts; }
    UINT PageId() const override { return kPageId; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    uint32_t eventsSeen_ = 0;
};

}  // namespace kx90::pages
