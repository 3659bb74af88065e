// CDlgLEDSet: the lighting page, a child of the main window.
#pragma once

#include <cstdint>
#include <string>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgLEDSet : public PageWindow {
public:
    static constexpr const wchar_t* kPicture = L"Light\\LedSet_normal.bmp";

protected:
    const std::u16string& Title() const override { return Strings().str_led_title; }
};

}  // namespace kx90::pages
