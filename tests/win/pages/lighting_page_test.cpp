// The lighting page in the running main window, pressed with real input: the colour wheel picks the
// pixel the user sees, presses elsewhere pick nothing, a colour slider moves swatch and numbers
// with it, and modes without a colour lock the palette.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/main_window_fixture.h"
#include "core/layout/lighting_page_layout.h"
#include "support/gui_harness.h"
#include "win/pages/lighting_page.h"

namespace kx90::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
namespace lp = layout::lighting_page;

constexpr int kLightingTab = 2;

class LightingPageTest : public MainWindowTest {
protected:
    bool LaunchOnPage(const MainWindowSetup& setup = {}) {
        if (!Launch(setup)) {
            return false;
        }
        Click(Window().TabButton(kLightingTab));
        PumpFor(milliseconds(100));
        return Page().View().modes[4];  // the factory profile: colour cycle
    }
    pages::CDlgLEDSet& Page() { return *Window().PageOf<pages::CDlgLEDSet>(); }
    ProfileRecord& Record() { return State().profiles.LiveRecord(); }

    void Press(HWND control) {
        Click(control);
        PumpFor(milliseconds(50));
    }
    std::wstring FieldText(int component) {
        wchar_t text[8] = {};
        GetWindowTextW(Page().ColorField(component), text, 8);
        return text;
    }
    void Shoot(const std::string& name) {
        ParkPointer();
        PumpFor(milliseconds(200));
        std::filesystem::create_directories(ScreenshotDir());
        EXPECT_TRUE(CaptureWindowToPng(Window().hwnd(), ScreenshotDir() / name));
    }
};

// A saturated colour: the wheel, not the page's grey ground or its white centre.
bool Saturated(COLORREF c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return std::max({r, g, b}) - std::min({r, g, b}) > 80;
}

TEST_F(LightingPageTest, TheWheelStoresThePixelUnderThePointerAndNothingOutsideIt) {
    ASSERT_TRUE(LaunchOnPage());
    Press(Page().ModeButton(1));  // steady: the single colour is edited
    ASSERT_EQ(Page().View().editedSlot, pages::kSingleColorSlot);

    const layout::Rect& wheel = lp::kColorWheel;
    const POINT at{wheel.left + 95, wheel.top + 40};
    const COLORREF seen = WindowPixel(Page().hwnd(), at);
    ASSERT_TRUE(Saturated(seen)) << std::hex << seen;
    EXPECT_TRUE(RealClickAt(Page().hwnd(), at));
    ASSERT_TRUE(PumpUntil([&] { return Record().colorIsCustom[3] == 1; }, seconds(2)));
    EXPECT_EQ(Record().colors[3], static_cast<uint32_t>(seen));
    EXPECT_EQ(Page().SwatchColor(3), seen);
    EXPECT_EQ(FieldText(0), std::to_wstring(GetRValue(seen)));
    EXPECT_EQ(FieldText(2), std::to_wstring(GetBValue(seen)));

    // A corner of the wheel's rectangle is outside the ellipse: nothing is picked there.
    EXPECT_TRUE(RealClickAt(Page().hwnd(), POINT{wheel.left + 4, wheel.bottom - 4}));
    PumpFor(milliseconds(200));
    EXPECT_EQ(Record().colors[3], static_cast<uint32_t>(seen));
    Shoot("lighting_page_steady_en.png");
}

TEST_F(LightingPageTest, AColourSliderMovesTheSwatchAndTheNumbersAtOnce) {
    ASSERT_TRUE(LaunchOnPage());
    Press(Page().ModeButton(2));  // breathing
    Press(Page().PresetSwatch(5));
    ASSERT_EQ(Record().colors[3], 0x00F927u);
    ASSERT_EQ(Record().colorPreset[3], 5u);

    RECT track;
    GetClientRect(Page().ColorSlider(0), &track);
    EXPECT_TRUE(RealClickAt(Page().ColorSlider(0), POINT{track.right - 1, track.bottom / 2}));
    ASSERT_TRUE(PumpUntil([&] { return Record().colorIsCustom[3] == 1; }, seconds(2)));
    const uint32_t red = Record().colors[3] & 0xFF;
    EXPECT_GT(red, 200u);
    EXPECT_EQ(Record().colors[3] >> 8, 0x00F9u) << "green and blue stay";
    EXPECT_EQ(Page().SwatchColor(3), Record().colors[3]);
    EXPECT_EQ(FieldText(0), std::to_wstring(red));
    EXPECT_EQ(FieldText(1), L"249");
    EXPECT_EQ(Page().View().selectedPreset, -1);
}

TEST_F(LightingPageTest, ModesWithoutAColourLockThePaletteAndTheWheel) {
    ASSERT_TRUE(LaunchOnPage());
    Press(Page().ModeButton(6));  // lights off
    EXPECT_FALSE(IsWindowEnabled(Page().PresetSwatch(0)));
    EXPECT_FALSE(IsWindowEnabled(Page().MultiColorSwitch()));
    const ProfileRecord before = Record();
    const layout::Rect& wheel = lp::kColorWheel;
    EXPECT_TRUE(RealClickAt(Page().hwnd(), POINT{(wheel.left + wheel.right) / 2 + 20, wheel.top + 30}));
    RealClickAt(Page().PresetSwatch(3), POINT{5, 5});  // disabled: the press goes nowhere
    PumpFor(milliseconds(200));
    EXPECT_EQ(Record().lightingMode, 6u);
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(Record().colors[slot], before.colors[slot]) << "slot " << slot;
    }
}

// Colour cycle with three colours, in both interface languages, to look at.
TEST_F(LightingPageTest, Screenshots) {
    for (const int32_t language : {2, 1}) {
        ASSERT_TRUE(LaunchOnPage({.languageIndex = language, .installedLanguages = true}));
        Press(Page().ModeButton(1));
        Press(Page().PresetSwatch(9));
        Press(Page().ModeButton(5));
        EXPECT_EQ(Record().lightingMode, 5u);
        Press(Page().MultiColorSwitch());
        Press(Page().MultiColorSwatch(1));
        Press(Page().PresetSwatch(17));
        EXPECT_EQ(Record().colors[1], 0x30B900u);
        Shoot(language == 2 ? "lighting_page_en.png" : "lighting_page_zh.png");
        Close();
    }
}

}  // namespace
}  // namespace kx90::test
