// CDlgLEDSet: the lighting page, a child of the main window. Six lighting modes with their level
// sliders, the multi-colour switch and its three swatches, proximity sensing, and the colour of
// the edited slot from 26 presets, the colour wheel in the page picture or three colour sliders.
// Every decision is LightingPageState's.
#pragma once

#include <array>

#include "core/pages/lighting_page.h"
#include "win/pages/page_window.h"
#include "win/skin/bitmap_edit.h"
#include "win/skin/color_btn.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/skin/png_slider.h"

namespace kx90::pages {

class CDlgLEDSet : public PageWindow {
public:
    static constexpr UINT kPageId = 104;

    bool HoldsProfileButtons() const override { return true; }
    // The controls are made when the page is first shown, from its pictures.
    void OnEnter() override;
    void RefreshFromRecord() override;
    void OnLanguageChanged() override;

    // What tests press and look at.
    HWND ModeButton(int mode) const { return modes_[static_cast<size_t>(mode - 1)].hwnd(); }
    HWND MultiColorSwitch() const { return multiSwitch_.hwnd(); }
    HWND MultiColorSwatch(int slot) const { return multiSwatches_[static_cast<size_t>(slot)].hwnd(); }
    HWND ProximityButton(bool on) const { return on ? proximityOn_.hwnd() : proximityOff_.hwnd(); }
    HWND PresetSwatch(int k) const { return presets_[static_cast<size_t>(k)].hwnd(); }
    HWND ColorSlider(int component) const { return colorSliders_[static_cast<size_t>(component)].hwnd(); }
    HWND ColorField(int component) const { return colorFields_[static_cast<size_t>(component)].hwnd(); }
    COLORREF SwatchColor(int slot) const;
    const LightingView& View() const { return state_.View(); }

protected:
    const wchar_t* Picture() const override { return L"Light\\LedSet_normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_led_title; }
    UINT PageId() const override { return kPageId; }
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void ShowView(const LightingView& view);
    bool WheelUnder(POINT at) const;
    COLORREF PixelAt(POINT at);
    ProfileRecord& Record() const { return Services().profiles->LiveRecord(); }

    LightingPageState state_;
    bool created_ = false;
    std::array<skin::CGDIBitmapBtn, kLightingModeCount> modes_;
    skin::CGDIBitmapBtn multiSwitch_;
    std::array<skin::CColorBtn, 3> multiSwatches_;
    skin::CColorBtn singleSwatch_;
    skin::CGDIBitmapBtn proximityOn_;
    skin::CGDIBitmapBtn proximityOff_;
    std::array<skin::CGDIBitmapBtn, layout::lighting_page::kPresetCount> presets_;
    skin::CPngHSliderBar brightness_;
    skin::CPngHSliderBar breathSpeed_;
    skin::CPngHSliderBar cycleSpeed_;
    std::array<skin::CPngHSliderBar, 3> colorSliders_;
    std::array<skin::CBitmapEdit, 3> colorFields_;
};

}  // namespace kx90::pages
