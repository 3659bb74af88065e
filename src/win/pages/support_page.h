// CDlgSupport: the support page, a child of the main window. The program's and the mouse's
// versions, the maker's web site, profile import and export, the factory settings, and the
// firmware update check (StartFirmwareCheck) with its time-out, timer 5.
#pragma once

#include <array>
#include <string>

#include "core/pages/firmware_check.h"
#include "win/pages/page_window.h"
#include "win/platform/site_addresses.h"
#include "win/skin/gdi_bitmap_btn.h"

namespace kx90::pages {

class CDlgSupport : public PageWindow {
public:
    static constexpr UINT kPageId = 107;

    void OnEnter() override;
    void OnLanguageChanged() override;
    void OnFirmwareVersion(int version) override;
    // The firmware version line: the number, or empty when the mouse did not say.
    const std::wstring& FirmwareVersionText() const { return firmwareVersion_; }
    const std::u16string& NewFirmwareAddress() const { return newFirmwareAddress_; }

    // The update button: 1 when a check or the hand-off started, 0 when a check already runs or
    // the user declined.
    int StartFirmwareCheck();
    const FirmwareCheck& Check() const { return check_; }

    // What tests press.
    enum Button { kUpdate, kWebSite, kImport, kExport, kRestore, kButtonTotal };
    HWND ButtonWindow(Button b) const { return buttons_[static_cast<size_t>(b)].hwnd(); }

    std::filesystem::path DescriptionPath() const;
    std::filesystem::path ImagePath() const;

protected:
    const wchar_t* Picture() const override { return L"support_normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_about; }
    UINT PageId() const override { return kPageId; }
    bool OnPaint(HDC dc) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void OnDescription(uint32_t request, DownloadStatus status);
    void OnImage(uint32_t request, DownloadStatus status);
    void HandOver();
    void Import();
    void Export();
    void RestoreDefaults();
    std::u16string CouldNotCheckText() const;

    bool created_ = false;
    std::array<skin::CGDIBitmapBtn, kButtonTotal> buttons_;
    std::wstring firmwareVersion_;
    std::u16string newFirmwareAddress_;
    FirmwareCheck check_;
    SiteAddresses sites_;
};

}  // namespace kx90::pages
