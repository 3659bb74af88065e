// The lighting page's rules over the live record.
#include "core/pages/lighting_page.h"

#include <algorithm>
#include <iterator>

namespace kx90::pages {
namespace {

namespace lp = layout::lighting_page;

// A stored unsigned setting shown on a slider of range minimum..maximum.
int ClampStored(uint32_t value, int minimum, int maximum) {
    return static_cast<int>(
        std::clamp<uint32_t>(value, static_cast<uint32_t>(minimum), static_cast<uint32_t>(maximum)));
}

int ModeIndex(uint32_t mode) {
    return static_cast<int>(mode) - 1;
}

// Status codes of the page's controls.
constexpr int kStatusModes[kLightingModeCount] = {31, 29, 27, 26, 33, 28};  // by lightingMode - 1
constexpr int kStatusBreathSpeed = 76;
constexpr int kStatusBrightness = 32;
constexpr int kStatusSwitchOff = 34;
constexpr int kStatusSwitchOn = 35;
constexpr int kStatusMultiColor[3] = {77, 78, 79};
constexpr int kStatusCycleSpeed = 36;
constexpr int kStatusProximityOn = 37;
constexpr int kStatusProximityOff = 38;
constexpr int kStatusSingleColor = 83;
constexpr int kStatusColorSliders = 39;

constexpr int kZoneCount =
    kLightingModeCount + 3 + 1 + 3 + 2 + 1 + 3 + static_cast<int>(std::size(lp::kCaptionZones));

// In the order the page asks them: the mode rows top to bottom as they sit on the page, the
// switch (its off code; the on code replaces it while on), the swatches, proximity, the single
// colour, the colour sliders, the caption zones.
constexpr std::array<StatusZone, kZoneCount> kZones = [] {
    std::array<StatusZone, kZoneCount> zones{};
    size_t n = 0;
    auto mode = [&](int m) { zones[n++] = {lp::kModeButtons[m - 1], kStatusModes[m - 1]}; };
    mode(4);
    mode(3);
    mode(6);
    mode(2);
    zones[n++] = {lp::kBreathSpeedSlider, kStatusBreathSpeed};
    mode(1);
    zones[n++] = {lp::kBrightnessSlider, kStatusBrightness};
    mode(5);
    zones[n++] = {lp::kMultiColorSwitch, kStatusSwitchOff};
    for (int i = 0; i < 3; ++i) {
        zones[n++] = {lp::kMultiColorSwatches[i], kStatusMultiColor[i]};
    }
    zones[n++] = {lp::kCycleSpeedSlider, kStatusCycleSpeed};
    zones[n++] = {lp::kProximityOn, kStatusProximityOn};
    zones[n++] = {lp::kProximityOff, kStatusProximityOff};
    zones[n++] = {lp::kSingleColorSwatch, kStatusSingleColor};
    for (const layout::LocalizedRect& r : lp::kColorSliders) {
        zones[n++] = {r, kStatusColorSliders};
    }
    for (const layout::CaptionZone& z : lp::kCaptionZones) {
        zones[n++] = {z.rect, z.statusCode};
    }
    return zones;
}();

}  // namespace

Rgb RgbOf(uint32_t colorRef) {
    return {static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
            static_cast<int>((colorRef >> 16) & 0xFF)};
}

uint32_t ColorRefOf(Rgb rgb) {
    return static_cast<uint32_t>(rgb.red) | static_cast<uint32_t>(rgb.green) << 8 |
           static_cast<uint32_t>(rgb.blue) << 16;
}

void LightingPageState::EnablePalette(const ProfileRecord& record) {
    view_.paletteEnabled = true;
    view_.selectedPreset = -1;
    view_.shown = RgbOf(record.colors[view_.editedSlot]);
}

void LightingPageState::DisablePalette() {
    view_.editedSlot = kNoColorSlot;
    view_.paletteEnabled = false;
    view_.selectedPreset = -1;
    view_.shown = {};
}

const LightingView& LightingPageState::RefreshFromRecord(ProfileRecord& record) {
    view_.multiColorOn = record.multiColorOn == 1;
    const int mode = static_cast<int>(record.lightingMode);
    auto onlyMode = [&] {
        view_.modes.fill(false);
        view_.modes[static_cast<size_t>(ModeIndex(record.lightingMode))] = true;
    };
    if (mode == 1 || mode == 2) {
        onlyMode();
        view_.brightnessEnabled = mode == 1;
        view_.breathSpeedEnabled = mode == 2;
        view_.multiColorEnabled = false;
        view_.cycleSpeedEnabled = false;
        view_.editedSlot = kSingleColorSlot;
        view_.wheelEnabled = true;
        EnablePalette(record);
    } else if (mode == 5) {
        onlyMode();
        view_.brightnessEnabled = false;
        view_.breathSpeedEnabled = false;
        view_.multiColorEnabled = true;
        view_.cycleSpeedEnabled = record.multiColorOn == 0;
        if (record.multiColorOn == 1) {
            if (view_.editedSlot == kSingleColorSlot || view_.editedSlot == kNoColorSlot) {
                view_.editedSlot = 0;
            }
            view_.wheelEnabled = true;
            EnablePalette(record);
        } else {
            view_.wheelEnabled = false;
            DisablePalette();
        }
    } else if (mode == 3 || mode == 4 || mode == 6) {
        onlyMode();
        view_.brightnessEnabled = false;
        view_.breathSpeedEnabled = false;
        view_.cycleSpeedEnabled = false;
        view_.multiColorEnabled = false;
        view_.wheelEnabled = false;
        DisablePalette();
    }

    view_.proximityOn = record.proximitySensing != 0;
    view_.breathSpeed = ClampStored(record.breathLevel, 1, kBreathSpeedMax);
    view_.brightness = ClampStored(record.steadyLevel, 1, kBrightnessMax);
    view_.cycleSpeed = ClampStored(record.multiColorLevel / 2, 1, kCycleSpeedMax);

    view_.selectedPreset = -1;
    if (view_.EditsAColor()) {
        const int slot = view_.editedSlot;
        if (record.colorIsCustom[slot] == 0) {
            if (record.colorPreset[slot] >= static_cast<uint32_t>(lp::kPresetCount)) {
                record.colorPreset[slot] = 0;
            }
            view_.selectedPreset = static_cast<int>(record.colorPreset[slot]);
            view_.shown = RgbOf(record.colors[slot]);
        }
    }
    std::copy(std::begin(record.colors), std::end(record.colors), view_.swatches.begin());
    return view_;
}

const LightingView& LightingPageState::ClickMode(int mode, ProfileRecord& record) {
    if (mode < 1 || mode > kLightingModeCount) {
        return view_;
    }
    record.lightingMode = static_cast<uint32_t>(mode);
    if (mode == 1 || mode == 2) {
        view_.editedSlot = kSingleColorSlot;
    } else if (mode == 5) {
        view_.editedSlot = record.multiColorOn == 1 ? 0 : kNoColorSlot;
    } else {
        view_.editedSlot = kNoColorSlot;
    }
    return RefreshFromRecord(record);
}

const LightingView& LightingPageState::ClickMultiColorSwitch(ProfileRecord& record) {
    record.multiColorOn = view_.multiColorOn ? 0 : 1;
    return RefreshFromRecord(record);
}

const LightingView& LightingPageState::ClickMultiColorSwatch(int slot, ProfileRecord& record) {
    if (slot >= 0 && slot < kSingleColorSlot) {
        view_.editedSlot = slot;
    }
    return RefreshFromRecord(record);
}

const LightingView& LightingPageState::ClickProximity(bool on, ProfileRecord& record) {
    record.proximitySensing = on ? 1 : 0;
    return RefreshFromRecord(record);
}

const LightingView& LightingPageState::ClickPreset(int k, ProfileRecord& record) {
    if (view_.EditsAColor() && k >= 0 && k < lp::kPresetCount) {
        const int slot = view_.editedSlot;
        record.colors[slot] = lp::kPresetColors[k];
        record.colorPreset[slot] = static_cast<uint32_t>(k);
        record.colorIsCustom[slot] = 0;
    }
    return RefreshFromRecord(record);
}

bool LightingPageState::SliderMoved(int controlId, int position, ProfileRecord& record) {
    switch (controlId) {
        case kBrightnessSliderId:
            view_.brightness = std::clamp(position, 1, kBrightnessMax);
            record.steadyLevel = static_cast<uint32_t>(view_.brightness);
            return true;
        case kBreathSpeedSliderId:
            view_.breathSpeed = std::clamp(position, 1, kBreathSpeedMax);
            record.breathLevel = static_cast<uint32_t>(view_.breathSpeed);
            return true;
        case kCycleSpeedSliderId:
            view_.cycleSpeed = std::clamp(position, 1, kCycleSpeedMax);
            record.multiColorLevel = static_cast<uint32_t>(2 * view_.cycleSpeed);
            return true;
        default:
            break;
    }
    const int component = controlId - kColorSliderFirstId;
    if (component < 0 || component > 2) {
        return false;
    }
    const int value = std::clamp(position, 0, kColorComponentMax);
    int Rgb::*const fields[3] = {&Rgb::red, &Rgb::green, &Rgb::blue};
    view_.shown.*fields[component] = value;
    if (!view_.EditsAColor()) {
        return true;
    }
    // The other two components come from the stored colour, not from what the sliders show.
    const int slot = view_.editedSlot;
    Rgb color = RgbOf(record.colors[slot]);
    color.*fields[component] = value;
    record.colors[slot] = ColorRefOf(color);
    record.colorIsCustom[slot] = 1;
    view_.swatches[static_cast<size_t>(slot)] = record.colors[slot];
    view_.selectedPreset = -1;
    return true;
}

bool LightingPageState::PickWheelColor(uint32_t colorRef, ProfileRecord& record) {
    if (!view_.wheelEnabled || !view_.EditsAColor()) {
        return false;
    }
    const int slot = view_.editedSlot;
    record.colors[slot] = colorRef & 0xFFFFFF;
    record.colorIsCustom[slot] = 1;
    view_.shown = RgbOf(record.colors[slot]);
    view_.swatches[static_cast<size_t>(slot)] = record.colors[slot];
    // A picked colour is no preset: none stays selected, as after a colour slider.
    view_.selectedPreset = -1;
    return true;
}

bool InColorWheel(layout::Point at) {
    // The ellipse inscribed in the rectangle, tested at the pixel's centre.
    const layout::Rect& r = lp::kColorWheel;
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    const double dx = (at.x + 0.5 - (r.left + rx)) / rx, dy = (at.y + 0.5 - (r.top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

std::vector<int> LightingStatusCodesAt(layout::Point cursor, bool chineseUi, bool multiColorOn) {
    std::vector<int> codes = StatusCodesIn(kZones, cursor, chineseUi);
    if (multiColorOn) {
        std::replace(codes.begin(), codes.end(), kStatusSwitchOff, kStatusSwitchOn);
    }
    return codes;
}

}  // namespace kx90::pages
