// The lighting page's rules: the six modes and their level sliders, the four colour slots with the
// preset palette, the colour wheel and the red/green/blue sliders, proximity sensing, and the
// help-line codes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/layout/geometry.h"
#include "core/layout/lighting_page_layout.h"
#include "core/pages/status_zones.h"
#include "core/profile/profile_record.h"

namespace kx90::pages {

inline constexpr int kLightingModeCount = 6;  // lightingMode 1..6; button i is mode i + 1
inline constexpr int kColorSlotCount = 4;     // slots 0..2: multi-colour 1..3; slot 3: the single colour
inline constexpr int kSingleColorSlot = 3;
inline constexpr int kNoColorSlot = 4;  // nothing is edited: palette, wheel and colour sliders off

// The sliders' control ids (message 0x800's lParam) and ranges.
inline constexpr int kBrightnessSliderId = 777;   // steadyLevel 1..10
inline constexpr int kBreathSpeedSliderId = 778;  // breathLevel 1..5
inline constexpr int kCycleSpeedSliderId = 779;   // multiColorLevel = 2 x position, 1..3
inline constexpr int kColorSliderFirstId = 769;   // 769 red, 770 green, 771 blue, 0..255
inline constexpr int kColorFieldFirstId = 772;    // the number fields, 772..774
inline constexpr int kBrightnessMax = 10;
inline constexpr int kBreathSpeedMax = 5;
inline constexpr int kCycleSpeedMax = 3;
inline constexpr int kColorComponentMax = 255;

static_assert(kColorSlotCount == kColorCount);

// Red, green and blue of a COLORREF (0x00BBGGRR) and back.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};
Rgb RgbOf(uint32_t colorRef);
uint32_t ColorRefOf(Rgb rgb);

// Everything the page's controls show. The view sets its controls from this and nothing else.
struct LightingView {
    std::array<bool, kLightingModeCount> modes{};  // mode button i (lightingMode i + 1) on
    bool brightnessEnabled = false;                // slider 777
    bool breathSpeedEnabled = false;               // slider 778
    bool cycleSpeedEnabled = false;                // slider 779
    bool multiColorOn = false;                     // the switch shows on
    bool multiColorEnabled = false;                // the switch and swatches 1..3
    bool proximityOn = false;                      // the on button on, the off button off
    int brightness = 1;                            // slider positions, within their ranges
    int breathSpeed = 1;
    int cycleSpeed = 1;
    int editedSlot = 0;  // 0..3, or kNoColorSlot
    bool wheelEnabled = true;
    bool paletteEnabled = false;                       // the 26 presets and the three colour sliders
    int selectedPreset = -1;                           // the preset drawn selected, or -1 for none
    Rgb shown;                                         // the colour sliders and the number fields
    std::array<uint32_t, kColorSlotCount> swatches{};  // the four colour swatches

    bool EditsAColor() const { return editedSlot >= 0 && editedSlot < kColorSlotCount; }
};

// The page's control states, kept in step with the live record. The view forwards every click and
// message here, writes nothing itself, and redraws from View(). Every call writes the live record
// at once; nothing here saves or talks to the mouse.
class LightingPageState {
public:
    const LightingView& View() const { return view_; }

    // Every control from the record, in this order: the switch from multiColorOn; the mode's
    // buttons, sliders and edited slot (mode 1 or 2 edits slot 3; mode 5 edits slots 0..2 while
    // multiColorOn is 1, keeping a slot 0..2 already edited, and nothing otherwise; modes 3, 4 and
    // 6 edit nothing; any other mode leaves the buttons and the slot as they are); proximity; the
    // level sliders (the cycle slider at multiColorLevel / 2); then, for a slot holding a preset
    // colour, that preset selected and its colour shown. A preset index outside 0..25 is repaired
    // to 0 in the record when its slot is shown.
    const LightingView& RefreshFromRecord(ProfileRecord& record);

    // Mode button for lightingMode 1..6 (others ignored).
    const LightingView& ClickMode(int mode, ProfileRecord& record);
    // The multi-colour switch flips multiColorOn.
    const LightingView& ClickMultiColorSwitch(ProfileRecord& record);
    // Multi-colour swatch 0..2 becomes the edited slot (kept only in mode 5 with the switch on).
    const LightingView& ClickMultiColorSwatch(int slot, ProfileRecord& record);
    // Proximity sensing on (1) or off (0).
    const LightingView& ClickProximity(bool on, ProfileRecord& record);
    // Preset swatch k (0..25) into the edited slot: its colour, preset k, not custom. Nothing is
    // stored while no slot is edited or for k outside the palette.
    const LightingView& ClickPreset(int k, ProfileRecord& record);

    // Message 0x800: the level sliders store their value (the cycle slider twice its position);
    // the colour sliders change one component of the edited slot's colour and make it custom.
    // Positions outside a slider's range are limited to it. Any other id is ignored (false).
    bool SliderMoved(int controlId, int position, ProfileRecord& record);

    // A press on the colour wheel that picked colorRef (the pixel under the pointer): stored into
    // the edited slot as a custom colour. Ignored (false) while the wheel is disabled or no slot is
    // edited; the view calls it only for presses inside the wheel's ellipse.
    bool PickWheelColor(uint32_t colorRef, ProfileRecord& record);

private:
    void EnablePalette(const ProfileRecord& record);
    void DisablePalette();
    void ShowStoredColor(const ProfileRecord& record);

    LightingView view_;
};

// Whether a page point lies inside the colour wheel's ellipse.
bool InColorWheel(layout::Point at);

// The status codes to post (0x805, wParam 0) for a mouse move to cursor (page pixels): the
// multi-colour switch asks for 35 while it is on and 34 while it is off.
std::vector<int> LightingStatusCodesAt(layout::Point cursor, bool chineseUi, bool multiColorOn);

}  // namespace kx90::pages
