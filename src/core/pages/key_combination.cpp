// The key page's modifier toggles, key capture and keyCode.
#include "core/pages/key_combination.h"

#include <algorithm>

#include "core/buttons/key_naming.h"
#include "core/buttons/key_tables.h"

namespace kx90::pages {
namespace {

struct ModifierKeys {
    Modifier modifier;
    uint8_t virtualKeys[3];  // 0 pads the list
};

constexpr ModifierKeys kModifierKeys[] = {
    {Modifier::kShift, {0x10, 0xA0, 0xA1}},
    {Modifier::kCtrl, {0x11, 0xA2, 0xA3}},
    {Modifier::kAlt, {0x12, 0xA4, 0xA5}},
    {Modifier::kWin, {0x5B, 0x5C, 0}},
};

struct ModifierCode {
    Modifier modifier;
    uint8_t bit;
    uint8_t loneUsage;  // the left-hand key's usage
};

// In the order the lone modifier is looked for: the last one on wins.
constexpr ModifierCode kModifierCodes[] = {
    {Modifier::kCtrl, kModifierCtrl, 0xE0},
    {Modifier::kAlt, kModifierAlt, 0xE2},
    {Modifier::kShift, kModifierShift, 0xE1},
    {Modifier::kWin, kModifierWin, 0xE3},
};

constexpr uint32_t kPressFlags[] = {0, 1, 16, 17, 32, 33};

}  // namespace

std::optional<Modifier> ModifierOfVirtualKey(uint32_t virtualKey) {
    if (virtualKey == 0) {
        return std::nullopt;
    }
    for (const ModifierKeys& row : kModifierKeys) {
        if (std::find(std::begin(row.virtualKeys), std::end(row.virtualKeys), virtualKey) !=
            std::end(row.virtualKeys)) {
            return row.modifier;
        }
    }
    return std::nullopt;
}

bool IsKeyPressFlags(uint32_t flags) {
    return std::find(std::begin(kPressFlags), std::end(kPressFlags), flags) != std::end(kPressFlags);
}

uint32_t BuildKeyCode(const KeyPageState& state) {
    uint8_t bits = 0;
    int count = 0;
    uint8_t loneUsage = 0;
    for (const ModifierCode& row : kModifierCodes) {
        if (state.modifiers[static_cast<size_t>(row.modifier)]) {
            bits = static_cast<uint8_t>(bits | row.bit);
            ++count;
            loneUsage = row.loneUsage;
        }
    }
    // Virtual keys above 255 do not exist; the table must not see a truncated one.
    const uint8_t usage = state.pageKey <= 0xFF ? VirtualKeyToUsage(static_cast<uint8_t>(state.pageKey)) : 0;
    if (usage != 0) {
        return MakeKeyCode(bits, usage);
    }
    return count == 1 ? MakeKeyCode(0, loneUsage) : 0;
}

KeyCaptureEffect KeyCombinationState::OnKeyCapture(uint32_t virtualKey, uint32_t flags) {
    if (const std::optional<Modifier> modifier = ModifierOfVirtualKey(virtualKey)) {
        if (!IsKeyPressFlags(flags)) {
            return KeyCaptureEffect::kNone;
        }
        Toggle(*modifier);
        return KeyCaptureEffect::kModifierToggled;
    }
    state_.pageKey = virtualKey;
    return KeyCaptureEffect::kKeyChanged;
}

void KeyCombinationState::Toggle(Modifier modifier) {
    bool& on = state_.modifiers[static_cast<size_t>(modifier)];
    on = !on;
}

AssignmentChoice KeyCombinationState::Result() const {
    AssignmentChoice choice;
    choice.kind = kKindKeyCombination;
    choice.value = static_cast<int32_t>(BuildKeyCode(state_));
    return choice;
}

}  // namespace kx90::pages
