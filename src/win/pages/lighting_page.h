// CDlgLEDSet: the lighting page, a child of the main window.
#pragma once

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgLEDSet : public PageWindow {
public:
    static constexpr UINT kPageId = 104;

    bool HoldsProfileButtons() const override { return true; }

protected:
    const wchar_t* Picture() const override { return L"Light\\LedSet_normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_led_title; }
    UINT PageId() const override { return kPageId; }
};

}  // namespace kx90::pages
