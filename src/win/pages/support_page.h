// CDlgSupport: the support page, a child of the main window.
#pragma once

#include <string>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgSupport : public PageWindow {
public:
    static constexpr UINT kPageId = 107;

    void OnFirmwareVersion(int version) override {
        firmwareVersion_ = version != 0 ? std::to_wstring(version) : std::wstring();
    }
    // The firmware version line: the number, or empty when the mouse did not say.
    const std::wstring& FirmwareVersionText() const { return firmwareVersion_; }

protected:
    const wchar_t* Picture() const override { return L"support_normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_about; }
    UINT PageId() const override { return kPageId; }

private:
    std::wstring firmwareVersion_;
};

}  // namespace kx90::pages
