// The lighting page's rules: which slot each mode edits, presets, the colour sliders and wheel,
// the level sliders, the refresh order with its preset repair, and the help-line codes.
#include "core/pages/lighting_page.h"

#include <gtest/gtest.h>

#include <string>

namespace kx90::pages {
namespace {

namespace lp = layout::lighting_page;

ProfileRecord DefaultRecord() {
    ProfileRecord record{};
    ResetToDefaults(record);
    return record;
}

// A record in the given mode with four distinct colours, none from the palette.
ProfileRecord InMode(uint32_t mode, uint32_t multiColorOn = 0) {
    ProfileRecord record = DefaultRecord();
    record.lightingMode = mode;
    record.multiColorOn = multiColorOn;
    for (int slot = 0; slot < kColorSlotCount; ++slot) {
        record.colors[slot] = 0x101010u * static_cast<uint32_t>(slot + 1);
        record.colorIsCustom[slot] = 1;
    }
    return record;
}

std::array<uint32_t, kColorSlotCount> Colors(const ProfileRecord& record) {
    return {record.colors[0], record.colors[1], record.colors[2], record.colors[3]};
}

TEST(LightingPage, ModesWithoutColourDisableEverythingThatPicksOne) {
    for (const uint32_t mode : {3u, 4u, 6u}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        ProfileRecord record = InMode(mode);
        const ProfileRecord before = record;
        LightingPageState page;
        const LightingView& view = page.RefreshFromRecord(record);
        EXPECT_EQ(view.editedSlot, kNoColorSlot);
        EXPECT_FALSE(view.paletteEnabled);
        EXPECT_FALSE(view.wheelEnabled);
        EXPECT_FALSE(view.brightnessEnabled || view.breathSpeedEnabled || view.cycleSpeedEnabled);
        EXPECT_FALSE(view.multiColorEnabled);
        EXPECT_EQ(view.shown, Rgb{});
        EXPECT_TRUE(view.modes[mode - 1]);

        page.ClickPreset(17, record);
        EXPECT_FALSE(page.PickWheelColor(0x123456, record));
        EXPECT_TRUE(page.SliderMoved(kColorSliderFirstId, 200, record));
        EXPECT_EQ(Colors(record), Colors(before));
        EXPECT_EQ(record.colorPreset[3], before.colorPreset[3]);
        EXPECT_EQ(record.colorIsCustom[0], 1u);
        EXPECT_EQ(page.View().selectedPreset, -1);
    }
}

TEST(LightingPage, SteadyAndBreathingEditTheSingleColourOnly) {
    for (const uint32_t mode : {1u, 2u}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        ProfileRecord record = InMode(mode);
        LightingPageState page;
        const LightingView& view = page.RefreshFromRecord(record);
        EXPECT_EQ(view.editedSlot, kSingleColorSlot);
        EXPECT_TRUE(view.paletteEnabled && view.wheelEnabled);
        EXPECT_EQ(view.brightnessEnabled, mode == 1);
        EXPECT_EQ(view.breathSpeedEnabled, mode == 2);
        EXPECT_FALSE(view.cycleSpeedEnabled || view.multiColorEnabled);
        EXPECT_EQ(view.shown, RgbOf(0x404040));

        page.ClickPreset(4, record);
        EXPECT_EQ(record.colors[3], lp::kPresetColors[4]);
        EXPECT_EQ(page.View().selectedPreset, 4);
        EXPECT_TRUE(page.PickWheelColor(0x00ABCDEF, record));
        EXPECT_EQ(record.colors[3], 0xABCDEFu);
        EXPECT_EQ(page.View().swatches[3], 0xABCDEFu);
        page.SliderMoved(kColorSliderFirstId + 2, 7, record);  // blue
        EXPECT_EQ(record.colors[3], 0x07CDEFu);
        EXPECT_EQ(record.colors[0], 0x101010u);
        EXPECT_EQ(record.colors[1], 0x202020u);
        EXPECT_EQ(record.colors[2], 0x303030u);
    }
}

TEST(LightingPage, AMultiColourSwatchThenAPresetStoresIntoThatSlot) {
    ProfileRecord record = InMode(5, 0);
    LightingPageState page;
    page.RefreshFromRecord(record);
    page.ClickMultiColorSwitch(record);
    EXPECT_EQ(record.multiColorOn, 1u);
    EXPECT_EQ(page.View().editedSlot, 0);
    page.ClickMultiColorSwatch(1, record);
    page.ClickPreset(17, record);
    EXPECT_EQ(record.colors[1], 0x30B900u);
    EXPECT_EQ(record.colorPreset[1], 17u);
    EXPECT_EQ(record.colorIsCustom[1], 0u);
    EXPECT_EQ(page.View().selectedPreset, 17);
    EXPECT_EQ(page.View().editedSlot, 1);
    EXPECT_EQ(page.View().shown, (Rgb{0, 185, 48}));
    EXPECT_EQ(record.colors[0], 0x101010u);
    EXPECT_EQ(record.colors[3], 0x404040u);

    // Switched off, nothing is edited; the chosen swatch is not kept without the switch.
    page.ClickMultiColorSwitch(record);
    EXPECT_EQ(page.View().editedSlot, kNoColorSlot);
    page.ClickMultiColorSwatch(2, record);
    EXPECT_EQ(page.View().editedSlot, kNoColorSlot);
    EXPECT_FALSE(page.View().paletteEnabled);
}

TEST(LightingPage, AColourSliderMakesTheSlotCustomFromItsStoredComponents) {
    ProfileRecord record = InMode(1);
    record.colors[3] = 0x00F927;
    record.colorPreset[3] = 5;
    record.colorIsCustom[3] = 0;
    LightingPageState page;
    EXPECT_EQ(page.RefreshFromRecord(record).selectedPreset, 5);
    EXPECT_TRUE(page.SliderMoved(kColorSliderFirstId, 200, record));
    EXPECT_EQ(record.colors[3], 200u | 249u << 8);
    EXPECT_EQ(record.colorIsCustom[3], 1u);
    EXPECT_EQ(page.View().selectedPreset, -1);
    EXPECT_EQ(page.View().shown, (Rgb{200, 249, 0}));
    EXPECT_EQ(page.View().swatches[3], record.colors[3]);
    // A custom slot shows no preset after a refresh either.
    EXPECT_EQ(page.RefreshFromRecord(record).selectedPreset, -1);
}

TEST(LightingPage, LevelSlidersStoreTheirValuesAndShowTheRecords) {
    ProfileRecord record = DefaultRecord();
    LightingPageState page;
    page.RefreshFromRecord(record);
    struct Case {
        int id;
        int position;
        uint32_t ProfileRecord::*field;
        uint32_t stored;
    } const cases[] = {
        {kCycleSpeedSliderId, 3, &ProfileRecord::multiColorLevel, 6},
        {kCycleSpeedSliderId, 1, &ProfileRecord::multiColorLevel, 2},
        {kBrightnessSliderId, 10, &ProfileRecord::steadyLevel, 10},
        {kBrightnessSliderId, 0, &ProfileRecord::steadyLevel, 1},  // the left end never stores 0
        {kBreathSpeedSliderId, 4, &ProfileRecord::breathLevel, 4},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(page.SliderMoved(c.id, c.position, record));
        EXPECT_EQ(record.*c.field, c.stored) << "slider " << c.id << " at " << c.position;
    }
    EXPECT_FALSE(page.SliderMoved(780, 1, record));

    record.multiColorLevel = 5;
    record.steadyLevel = 99;
    record.breathLevel = 0;
    const LightingView& view = page.RefreshFromRecord(record);
    EXPECT_EQ(view.cycleSpeed, 2);
    EXPECT_EQ(view.brightness, 10);
    EXPECT_EQ(view.breathSpeed, 1);
    EXPECT_EQ(record.multiColorLevel, 5u) << "showing a value never rewrites it";
}

TEST(LightingPage, TheDefaultRecordShowsColourCycleWithTheSwitchOff) {
    ProfileRecord record = DefaultRecord();
    ASSERT_EQ(record.lightingMode, 5u);
    ASSERT_EQ(record.multiColorOn, 0u);
    LightingPageState page;
    const LightingView& view = page.RefreshFromRecord(record);
    EXPECT_EQ(view.modes, (std::array<bool, 6>{false, false, false, false, true, false}));
    EXPECT_FALSE(view.multiColorOn);
    EXPECT_TRUE(view.multiColorEnabled);
    EXPECT_TRUE(view.cycleSpeedEnabled);
    EXPECT_EQ(view.cycleSpeed, 2);
    EXPECT_FALSE(view.paletteEnabled);
    EXPECT_FALSE(view.wheelEnabled);

    // The next profile has the switch on: its first slot is edited and the palette comes back.
    ProfileRecord next = InMode(5, 1);
    const LightingView& shown = page.RefreshFromRecord(next);
    EXPECT_TRUE(shown.multiColorOn);
    EXPECT_TRUE(shown.paletteEnabled && shown.wheelEnabled);
    EXPECT_FALSE(shown.cycleSpeedEnabled);
    EXPECT_EQ(shown.editedSlot, 0);
}

TEST(LightingPage, RefreshRepairsAPresetOutsideThePaletteAndKeepsUnknownModes) {
    ProfileRecord record = InMode(2);
    record.colorIsCustom[3] = 0;
    record.colorPreset[3] = 99;
    record.colorPreset[0] = 42;  // not shown: stays
    LightingPageState page;
    EXPECT_EQ(page.RefreshFromRecord(record).selectedPreset, 0);
    EXPECT_EQ(record.colorPreset[3], 0u);
    EXPECT_EQ(record.colorPreset[0], 42u);

    record.lightingMode = 9;
    record.proximitySensing = 2;
    const LightingView& view = page.RefreshFromRecord(record);
    EXPECT_TRUE(view.modes[1]) << "an unknown mode leaves the buttons as they were";
    EXPECT_EQ(view.editedSlot, kSingleColorSlot);
    EXPECT_TRUE(view.proximityOn);
    page.ClickMode(7, record);
    EXPECT_EQ(record.lightingMode, 9u);
    page.ClickProximity(false, record);
    EXPECT_EQ(record.proximitySensing, 0u);
}

TEST(LightingPage, TheWheelIsTheEllipseInItsRectangle) {
    const layout::Rect& r = lp::kColorWheel;
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    EXPECT_TRUE(InColorWheel({cx, cy}));
    EXPECT_TRUE(InColorWheel({r.left, cy}));
    EXPECT_TRUE(InColorWheel({cx, r.bottom - 1}));
    EXPECT_FALSE(InColorWheel({r.left + 5, r.top + 5})) << "a corner of the rectangle";
    EXPECT_FALSE(InColorWheel({r.left - 1, cy}));
    EXPECT_FALSE(InColorWheel({cx, r.bottom}));
}

TEST(LightingPage, HelpLineCodesFollowTheLayoutAndTheSwitch) {
    const auto centre = [](const layout::Rect& r) {
        return layout::Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    struct Case {
        layout::Point at;
        bool chinese;
        bool switchOn;
        std::vector<int> codes;
    } const cases[] = {
        {centre(lp::kModeButtons[0].other), false, false, {31}},
        {centre(lp::kModeButtons[0].chinese), true, false, {31}},
        {centre(lp::kMultiColorSwitch.other), false, false, {34}},
        {centre(lp::kMultiColorSwitch.other), false, true, {35}},
        {centre(lp::kColorSliders[2].other), false, false, {39}},
        {centre(lp::kSingleColorSwatch.other), false, false, {83}},
        {{23, 27}, false, false, {75}},
        {centre(lp::kColorWheel), false, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LightingStatusCodesAt(c.at, c.chinese, c.switchOn), c.codes) << c.at.x << "," << c.at.y;
    }
}

}  // namespace
}  // namespace kx90::pages
