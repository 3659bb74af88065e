// CDlgSupport: the support page, a child of the main window.
#pragma once

#include <cstdint>
#include <string>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgSupport : public PageWindow {
public:
    static constexpr const wchar_t* kPicture = L"support_normal.bmp";

    // The firmware version line: the number, or empty when the mouse did not say.
    void SetFirmwareVersionText(std::wstring text) { firmwareVersion_ = std::move(text); }
    const std::wstring& FirmwareVersionText() const { return firmwareVersion_; }

private:
    std::wstring firmwareVersion_;

protected:
    const std::u16string& Title() const override { return Strings().str_about; }
};

}  // namespace kx90::pages
