// CDlgLEDSet: the page's controls over its pictures, forwarded to LightingPageState; the colour
// wheel is the page picture itself, read back pixel by pixel where the user presses.
#include "win/pages/lighting_page.h"

#include <string>

#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace lp = layout::lighting_page;

namespace {

// Command ids of the page's buttons.
constexpr UINT kModeFirstId = 300;  // 300..305, lightingMode 1..6
constexpr UINT kSwitchId = 310;
constexpr UINT kMultiSwatchFirstId = 311;  // 311..313, slots 0..2
constexpr UINT kProximityOnId = 314;
constexpr UINT kProximityOffId = 315;
constexpr UINT kSingleSwatchId = 316;
constexpr UINT kPresetFirstId = 320;  // 320..345

// Disabled faces: the page picture faded into its dark ground.
constexpr COLORREF kDisabledGround = RGB(0x1B, 0x1D, 0x21);
constexpr int kDisabledKeepPercent = 35;

int IndexOf(UINT id, UINT first, int count) {
    return id >= first && id < first + static_cast<UINT>(count) ? static_cast<int>(id - first) : -1;
}

}  // namespace

void CDlgLEDSet::OnEnter() {
    if (!created_) {
        created_ = true;
        CreateControls();
    }
    RefreshFromRecord();
}

void CDlgLEDSet::CreateControls() {
    HBITMAP normal = LoadPicture();
    // The pressed and hover looks are only cut into faces: they are not kept once the faces exist.
    const std::wstring folder = Services().installDir + L"\\skins\\Light\\";
    const ui::SkinBitmap down = ui::LoadSkinBitmap(folder + L"LedSet_down.bmp");
    const ui::SkinBitmap over = ui::LoadSkinBitmap(folder + L"LedSet_over.bmp");
    const ui::UniqueBitmap faded = ui::FadedCopy(normal, kDisabledGround, kDisabledKeepPercent);
    // Controls sit where the installed picture draws them, in the installation's language.
    const bool chinese = Services().language->InstallIsChinese();
    auto button = [&](skin::CGDIBitmapBtn& b, const layout::LocalizedRect& place, UINT id) {
        const RECT rect = ui::ToRect(place.For(chinese));
        b.CreateButton(hwnd(), rect, id);
        b.SetFaceBitmaps(rect, normal, over.bitmap.get(), down.bitmap.get(), faded.get());
        b.SetCheckMode(true, false);  // the page sets every check from the record
    };
    for (int i = 0; i < kLightingModeCount; ++i) {
        button(modes_[static_cast<size_t>(i)], lp::kModeButtons[i], kModeFirstId + static_cast<UINT>(i));
    }
    button(multiSwitch_, lp::kMultiColorSwitch, kSwitchId);
    button(proximityOn_, lp::kProximityOn, kProximityOnId);
    button(proximityOff_, lp::kProximityOff, kProximityOffId);
    for (int k = 0; k < lp::kPresetCount; ++k) {
        button(presets_[static_cast<size_t>(k)], lp::PresetSwatch(k), kPresetFirstId + static_cast<UINT>(k));
    }
    for (int i = 0; i < 3; ++i) {
        skin::CColorBtn& swatch = multiSwatches_[static_cast<size_t>(i)];
        swatch.CreateButton(hwnd(), ui::ToRect(lp::kMultiColorSwatches[i].For(chinese)),
                            kMultiSwatchFirstId + static_cast<UINT>(i));
        swatch.SetFrame(true);
    }
    singleSwatch_.CreateButton(hwnd(), ui::ToRect(lp::kSingleColorSwatch.For(chinese)), kSingleSwatchId);
    singleSwatch_.SetFrame(true);

    const std::wstring thumb = Services().installDir + L"\\skins\\Slider.png";
    const struct {
        skin::CPngHSliderBar& slider;
        layout::Rect rect;
        int id;
        int minimum;
        int maximum;
    } sliders[] = {
        {brightness_, lp::kBrightnessSlider.For(chinese), kBrightnessSliderId, 1, kBrightnessMax},
        {breathSpeed_, lp::kBreathSpeedSlider.For(chinese), kBreathSpeedSliderId, 1, kBreathSpeedMax},
        {cycleSpeed_, lp::kCycleSpeedSlider.For(chinese), kCycleSpeedSliderId, 1, kCycleSpeedMax},
        {colorSliders_[0], lp::kColorSliders[0].For(chinese), kColorSliderFirstId, 0, kColorComponentMax},
        {colorSliders_[1], lp::kColorSliders[1].For(chinese), kColorSliderFirstId + 1, 0, kColorComponentMax},
        {colorSliders_[2], lp::kColorSliders[2].For(chinese), kColorSliderFirstId + 2, 0, kColorComponentMax},
    };
    for (const auto& s : sliders) {
        const layout::Rect& r = s.rect;
        s.slider.CreateSlider(thumb, r.left, r.top, r.right, r.bottom, hwnd(), static_cast<UINT>(s.id));
        s.slider.SetBackground(r.left, r.top, r.Width(), r.Height(), normal);
        s.slider.SetTrackRect(r.left, r.top, r.right, r.bottom);
        s.slider.SetRange(s.minimum, s.maximum);
    }
    for (int i = 0; i < 3; ++i) {
        const layout::Rect& r = lp::kColorFields[i];
        skin::CBitmapEdit& field = colorFields_[static_cast<size_t>(i)];
        field.SetBackground(r.left, r.top, r.Width(), r.Height(), normal);
        field.CreateEdit(hwnd(), ui::ToRect(r), static_cast<UINT>(kColorFieldFirstId + i),
                         ES_CENTER | ES_READONLY);
        EnableWindow(field.hwnd(), FALSE);  // the numbers follow the sliders; nobody types here
    }
    OnLanguageChanged();
}

void CDlgLEDSet::OnLanguageChanged() {
    if (created_) {
        const LanguageStrings& s = Texts();
        const std::u16string* const modeTips[kLightingModeCount] = {&s.str_led_brealways, &s.str_led_norbre,
                                                                    &s.str_led_apmbre,    &s.str_ledspe,
                                                                    &s.str_led_symphony,  &s.str_led_off};
        for (int i = 0; i < kLightingModeCount; ++i) {
            modes_[static_cast<size_t>(i)].SetTooltipText(ui::Wide(*modeTips[i]), true);
        }
        const std::u16string* const swatchTips[3] = {&s.str_multicolor1, &s.str_multicolor2,
                                                     &s.str_multicolor3};
        for (int i = 0; i < 3; ++i) {
            multiSwatches_[static_cast<size_t>(i)].SetTooltipText(ui::Wide(*swatchTips[i]), true);
        }
        proximityOn_.SetTooltipText(ui::Wide(s.str_led_body_on), true);
        proximityOff_.SetTooltipText(ui::Wide(s.str_led_body_off), true);
        singleSwatch_.SetTooltipText(ui::Wide(s.str_choose_color), true);
    }
    PageWindow::OnLanguageChanged();
}

void CDlgLEDSet::RefreshFromRecord() {
    if (!created_) {
        return;  // shown for the first time, the page reads the record then
    }
    ShowView(state_.RefreshFromRecord(Record()));
}

void CDlgLEDSet::ShowView(const LightingView& view) {
    auto enable = [](HWND control, bool on) {
        if ((IsWindowEnabled(control) != FALSE) != on) {
            EnableWindow(control, on ? TRUE : FALSE);
        }
    };
    auto check = [](skin::CGDIBitmapBtn& b, bool on) {
        if (b.GetCheck() != on) {
            b.SetCheck(on);
        }
    };
    auto slider = [](skin::CPngHSliderBar& s, int position, bool enabled) {
        s.EnableInput(enabled);
        if (s.GetPos() != position) {
            s.SetPos(position);
        }
    };
    for (int i = 0; i < kLightingModeCount; ++i) {
        check(modes_[static_cast<size_t>(i)], view.modes[static_cast<size_t>(i)]);
    }
    slider(brightness_, view.brightness, view.brightnessEnabled);
    slider(breathSpeed_, view.breathSpeed, view.breathSpeedEnabled);
    slider(cycleSpeed_, view.cycleSpeed, view.cycleSpeedEnabled);
    check(multiSwitch_, view.multiColorOn);
    enable(multiSwitch_.hwnd(), view.multiColorEnabled);
    for (int i = 0; i < 3; ++i) {
        skin::CColorBtn& swatch = multiSwatches_[static_cast<size_t>(i)];
        enable(swatch.hwnd(), view.multiColorEnabled);
        swatch.SetColor(view.swatches[static_cast<size_t>(i)]);
        swatch.SetMarked(view.editedSlot == i);
    }
    singleSwatch_.SetColor(view.swatches[kSingleColorSlot]);
    check(proximityOn_, view.proximityOn);
    check(proximityOff_, !view.proximityOn);
    for (int k = 0; k < lp::kPresetCount; ++k) {
        skin::CGDIBitmapBtn& preset = presets_[static_cast<size_t>(k)];
        check(preset, k == view.selectedPreset);
        enable(preset.hwnd(), view.paletteEnabled);
    }
    const int shown[3] = {view.shown.red, view.shown.green, view.shown.blue};
    for (int i = 0; i < 3; ++i) {
        slider(colorSliders_[static_cast<size_t>(i)], shown[i], view.paletteEnabled);
        const std::wstring text = std::to_wstring(shown[i]);
        wchar_t current[8] = {};
        GetWindowTextW(colorFields_[static_cast<size_t>(i)].hwnd(), current, 8);
        if (text != current) {
            SetWindowTextW(colorFields_[static_cast<size_t>(i)].hwnd(), text.c_str());
        }
    }
}

COLORREF CDlgLEDSet::SwatchColor(int slot) const {
    return slot == kSingleColorSlot ? singleSwatch_.GetColor()
                                    : multiSwatches_[static_cast<size_t>(slot)].GetColor();
}

bool CDlgLEDSet::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    ProfileRecord& record = Record();
    if (const int i = IndexOf(id, kModeFirstId, kLightingModeCount); i >= 0) {
        ShowView(state_.ClickMode(i + 1, record));
    } else if (id == kSwitchId) {
        ShowView(state_.ClickMultiColorSwitch(record));
    } else if (const int slot = IndexOf(id, kMultiSwatchFirstId, 3); slot >= 0) {
        ShowView(state_.ClickMultiColorSwatch(slot, record));
    } else if (id == kProximityOnId || id == kProximityOffId) {
        ShowView(state_.ClickProximity(id == kProximityOnId, record));
    } else if (const int k = IndexOf(id, kPresetFirstId, lp::kPresetCount); k >= 0) {
        ShowView(state_.ClickPreset(k, record));
    } else if (id == kSingleSwatchId) {
        // It only shows the single colour.
    } else {
        return PageWindow::OnCommand(wParam, lParam);
    }
    return true;
}

bool CDlgLEDSet::WheelUnder(POINT at) const {
    return state_.View().wheelEnabled && InColorWheel(layout::Point{at.x, at.y});
}

COLORREF CDlgLEDSet::PixelAt(POINT at) {
    // What the user sees there: the window's own pixels, else the picture they were painted from.
    ui::WindowDc dc(hwnd());
    COLORREF color = GetPixel(dc.get(), at.x, at.y);
    if (color == CLR_INVALID) {
        ui::UniqueMemoryDc memory(CreateCompatibleDC(dc.get()));
        ui::Selected picture(memory.get(), LoadPicture());
        color = GetPixel(memory.get(), at.x, at.y);
    }
    return color;
}

bool CDlgLEDSet::OnLButtonDown(UINT, POINT at) {
    if (created_ && WheelUnder(at) && state_.PickWheelColor(PixelAt(at), Record())) {
        ShowView(state_.View());
    }
    return true;
}

bool CDlgLEDSet::OnMouseMove(UINT, POINT) {
    // Swatches forward their moves in screen coordinates, the other controls in the page's: the
    // pointer itself says where it is.
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd(), &cursor);
    const std::vector<int> codes =
        LightingStatusCodesAt(layout::Point{cursor.x, cursor.y}, Services().language->InstallIsChinese(),
                              state_.View().multiColorOn);
    if (codes.empty()) {
        PostMessageW(Services().mainWindow, msg::kStatusText, 0, 0);
    }
    for (int code : codes) {
        PostMessageW(Services().mainWindow, msg::kStatusText, 0, code);
    }
    return true;
}

LRESULT CDlgLEDSet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kSliderValue:
            if (created_ &&
                state_.SliderMoved(static_cast<int>(lParam), static_cast<int>(wParam), Record())) {
                ShowView(state_.View());
            }
            return 1;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == hwnd() && LOWORD(lParam) == HTCLIENT) {
                POINT cursor;
                GetCursorPos(&cursor);
                ScreenToClient(hwnd(), &cursor);
                if (WheelUnder(cursor)) {
                    SetCursor(LoadCursorW(nullptr, IDC_CROSS));
                    return TRUE;
                }
            }
            break;
        default:
            break;
    }
    return PageWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace kx90::pages
