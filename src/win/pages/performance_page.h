// CDlgMainSet: the buttons and performance page, a child of the main window.
#pragma once

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgMainSet : public PageWindow {
public:
    static constexpr UINT kPageId = 103;

    bool HoldsProfileButtons() const override { return true; }

protected:
    const wchar_t* Picture() const override { return L"KX90_Main_Normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_main; }
    UINT PageId() const override { return kPageId; }
};

}  // namespace kx90::pages
