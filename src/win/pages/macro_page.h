// CDlgMacro: the macro page, a child of the main window.
#pragma once

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgMacro : public PageWindow {
public:
    static constexpr UINT kPageId = 105;

protected:
    const wchar_t* Picture() const override { return L"Macro_normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_macro_manager; }
    UINT PageId() const override { return kPageId; }
};

}  // namespace kx90::pages
