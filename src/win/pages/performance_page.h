// CDlgMainSet: the buttons and performance page, a child of the main window.
#pragma once

#include <cstdint>
#include <string>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgMainSet : public PageWindow {
public:
    static constexpr const wchar_t* kPicture = L"KX90_Main_Normal.bmp";

    // The pending scroll-lines entry is taken over before a write (only while scrollLines is not
    // one screen per notch).
    void ValidateScrollLines() {}

protected:
    const std::u16string& Title() const override { return Strings().str_main; }
};

}  // namespace kx90::pages
