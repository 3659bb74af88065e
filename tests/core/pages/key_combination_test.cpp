// The key page: which key-capture reports toggle a modifier, and the keyCode the toggles and the
// last key make.
#include "core/pages/key_combination.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/buttons/key_naming.h"
#include "support/device_fakes.h"

namespace kx90::pages {
namespace {

constexpr uint32_t kUp = 0x80;  // LLKHF_UP

KeyPageState State(std::initializer_list<Modifier> on, uint32_t pageKey) {
    KeyPageState state;
    for (Modifier m : on) {
        state.modifiers[static_cast<size_t>(m)] = true;
    }
    state.pageKey = pageKey;
    return state;
}

TEST(KeyCombination, KeyCodesFromTogglesAndKey) {
    using enum Modifier;
    struct Row {
        KeyPageState state;
        uint32_t keyCode;
        const char* why;
    };
    const Row rows[] = {
        {State({kCtrl}, 0x43), 0x00060100, "Ctrl + C"},
        {State({kShift}, 0), 0x00E10000, "Shift alone is the lone left Shift usage"},
        {State({kCtrl}, 0), 0x00E00000, "Ctrl alone"},
        {State({kAlt}, 0), 0x00E20000, "Alt alone"},
        {State({kWin}, 0), 0x00E30000, "Win alone"},
        {State({kCtrl, kAlt}, 0), 0, "two modifiers without a key make nothing"},
        {State({}, 0), 0, "nothing at all"},
        {State({}, 0x41), 0x00040000, "a key without modifiers"},
        {State({kCtrl, kAlt, kShift, kWin}, 0x70), 0x003A0F00, "all four with F1"},
        {State({kShift}, 0xB3), 0x00E10000, "a media key is not in the key table: the lone Shift stays"},
        {State({}, 0xB3), 0, "a media key alone makes nothing"},
        {State({kCtrl, kShift}, 0xB3), 0, "two modifiers and a media key make nothing"},
        {State({}, 0x141), 0, "no virtual key above 255: not read as its low byte (A)"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(BuildKeyCode(r.state), r.keyCode) << r.why;
    }
}

TEST(KeyCombination, PressFlagsAreExactlyTheSixPressForms) {
    for (uint32_t flags : {0u, 1u, 16u, 17u, 32u, 33u}) {
        EXPECT_TRUE(IsKeyPressFlags(flags)) << flags;
    }
    // Releases (0x80 with any other bits) and combinations outside the list are not presses.
    for (uint32_t flags : {0x80u, 0x81u, 0x90u, 0xA0u, 0xB1u, 2u, 48u, 49u}) {
        EXPECT_FALSE(IsKeyPressFlags(flags)) << flags;
    }
}

TEST(KeyCombination, EveryModifierKeyDrivesItsToggle) {
    const std::pair<uint32_t, Modifier> rows[] = {
        {0x10, Modifier::kShift}, {0xA0, Modifier::kShift}, {0xA1, Modifier::kShift}, {0x11, Modifier::kCtrl},
        {0xA2, Modifier::kCtrl},  {0xA3, Modifier::kCtrl},  {0x12, Modifier::kAlt},   {0xA4, Modifier::kAlt},
        {0xA5, Modifier::kAlt},   {0x5B, Modifier::kWin},   {0x5C, Modifier::kWin},
    };
    for (const auto& [vk, modifier] : rows) {
        EXPECT_EQ(ModifierOfVirtualKey(vk), modifier) << std::hex << vk;
    }
    EXPECT_FALSE(ModifierOfVirtualKey(0x43).has_value());
    EXPECT_FALSE(ModifierOfVirtualKey(0).has_value()) << "the table's padding is no key";
}

TEST(KeyCombination, PressAndReleaseOfShiftTogglesOnce) {
    KeyCombinationState page;
    EXPECT_EQ(page.OnKeyCapture(0xA0, 0), KeyCaptureEffect::kModifierToggled);
    EXPECT_EQ(page.OnKeyCapture(0xA0, kUp), KeyCaptureEffect::kNone);
    EXPECT_TRUE(page.IsOn(Modifier::kShift));
    EXPECT_EQ(page.Result().value, 0x00E10000);
    EXPECT_EQ(GetKeyCodeName(static_cast<uint32_t>(page.Result().value), test::UsKeyboardLayout{}),
              u"LShift");
    EXPECT_EQ(page.OnKeyCapture(0xA0, 0), KeyCaptureEffect::kModifierToggled);
    EXPECT_EQ(page.OnKeyCapture(0xA0, kUp), KeyCaptureEffect::kNone);
    EXPECT_FALSE(page.IsOn(Modifier::kShift));
    EXPECT_EQ(page.Result().value, 0);
}

TEST(KeyCombination, RightHandModifiersStoreTheLeftHandBits) {
    KeyCombinationState page;
    page.OnKeyCapture(0xA3, 1);   // right Ctrl, extended
    page.OnKeyCapture(0xA1, 0);   // right Shift
    page.OnKeyCapture(0xA5, 33);  // right Alt, extended with Alt down
    page.OnKeyCapture(0x5C, 1);   // right Win
    EXPECT_EQ(page.OnKeyCapture(0x43, 0), KeyCaptureEffect::kKeyChanged);
    const AssignmentChoice result = page.Result();
    EXPECT_EQ(result.kind, kKindKeyCombination);
    EXPECT_EQ(result.value, 0x00060F00);
}

TEST(KeyCombination, AnyOtherKeyPressedOrReleasedBecomesThePageKey) {
    KeyCombinationState page;
    EXPECT_EQ(page.OnKeyCapture(0x43, 0), KeyCaptureEffect::kKeyChanged);
    EXPECT_EQ(page.OnKeyCapture(0x44, kUp), KeyCaptureEffect::kKeyChanged);
    EXPECT_EQ(page.PageKey(), 0x44u);
    page.Toggle(Modifier::kCtrl);
    EXPECT_EQ(page.Result().value, 0x00070100) << "Ctrl + D";
    page.Toggle(Modifier::kCtrl);
    EXPECT_FALSE(page.IsOn(Modifier::kCtrl)) << "a click toggles back";
}

}  // namespace
}  // namespace kx90::pages
