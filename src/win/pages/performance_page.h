// CDlgMainSet: the buttons and performance page, a child of the main window. Sensitivity levels,
// pointer speed and precision, lift height, report rate, wheel scrolling, and the mouse picture
// whose seven function tabs open the assignment popup. Every decision is PerformancePageState's.
#pragma once

#include <array>

#include "core/pages/performance_page.h"
#include "win/pages/page_window.h"
#include "win/skin/bitmap_edit.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/skin/irr_button.h"
#include "win/skin/png_slider.h"

namespace kx90::pages {

class CDlgMainSet : public PageWindow {
public:
    static constexpr UINT kPageId = 103;

    bool HoldsProfileButtons() const override { return true; }
    void OnEnter() override { RefreshFromRecord(); }
    void RefreshFromRecord() override;
    // The typed line count is taken over before a write (while lines per notch are on).
    void BeforeApply() override;
    void OnLanguageChanged() override;

    // What tests press and look at.
    HWND LevelButton(int j) const { return levels_[static_cast<size_t>(j)].hwnd(); }
    HWND RateButton(int i) const { return rates_[static_cast<size_t>(i)].hwnd(); }
    HWND FunctionTab(int k) const { return tabs_[static_cast<size_t>(k)].hwnd(); }
    HWND PointerSpeedSlider() const { return pointerSpeed_.hwnd(); }
    HWND LineCountEdit() const { return lineEdit_.hwnd(); }
    HWND LinesOption() const { return linesOption_.hwnd(); }
    HWND ScreenOption() const { return screenOption_.hwnd(); }
    HWND ImproveAccuracy() const { return accuracy_.hwnd(); }
    const PerformanceView& View() const { return state_.View(); }

protected:
    const wchar_t* Picture() const override { return L"KX90_Main_Normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_main; }
    UINT PageId() const override { return kPageId; }
    bool OnCreate() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateTabs();
    void LoadTabFaces();
    void ShowView(const PerformanceView& view);
    void ShowLineCount(const LineCountEntry& entry);
    void CommitTypedLines();
    void OnFunctionTab(int k);
    void UpdateMarkers();
    ProfileRecord& Record() const { return Services().profiles->LiveRecord(); }

    PerformancePageState state_;
    std::array<skin::CGDIBitmapBtn, kLevelButtonCount> levels_;
    std::array<skin::CGDIBitmapBtn, kRateButtonCount> rates_;
    std::array<skin::CGDIBitmapBtn, kButtonCount> markers_;
    std::array<skin::CIrrButton, kButtonCount> tabs_;
    skin::CPngHSliderBar pointerSpeed_;
    skin::CPngHSliderBar liftHeight_;
    skin::CGDIBitmapBtn accuracy_;
    skin::CGDIBitmapBtn linesOption_;
    skin::CGDIBitmapBtn screenOption_;
    skin::CGDIBitmapBtn linesUp_;
    skin::CGDIBitmapBtn linesDown_;
    skin::CBitmapEdit lineEdit_;
    bool damagedNoticeShown_ = false;
};

}  // namespace kx90::pages
