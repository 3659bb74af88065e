// The key page of the assignment popup: the four modifier toggles, the last key pressed, and the
// keyCode they make.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/pages/assignment_choice.h"

namespace kx90::pages {

enum class Modifier { kCtrl, kAlt, kShift, kWin };
inline constexpr int kModifierCount = 4;

// The toggle a virtual key drives: generic, left and right Shift/Ctrl/Alt and both Win keys.
// Nothing for any other key.
std::optional<Modifier> ModifierOfVirtualKey(uint32_t virtualKey);

// Low-level keyboard flags of a press: 0, 1, 16, 17, 32 or 33 (extended, injected and Alt-down
// bits in any of those combinations). Everything else, releases above all, is not a press.
bool IsKeyPressFlags(uint32_t flags);

// What one key-capture report changed, so the window redraws just that.
enum class KeyCaptureEffect {
    kNone,             // a modifier released
    kModifierToggled,  // a modifier pressed: its toggle flipped
    kKeyChanged,       // any other key, pressed or released: it is the page key now
};

struct KeyPageState {
    std::array<bool, kModifierCount> modifiers{};  // indexed by Modifier
    uint32_t pageKey = 0;                          // virtual key of the last other key, 0 = none
};

// The keyCode of the page: modifier bits (Ctrl 0x01, Shift 0x02, Alt 0x04, Win 0x08, always the
// left-hand ones) in bits 8-15 and the key's HID usage in bits 16-23. With no usable key (none, or
// one outside the key table) a single modifier stands alone as its own left-hand usage
// (0x00E10000 for Shift); two or more modifiers without a key give 0, as does nothing at all.
uint32_t BuildKeyCode(const KeyPageState& state);

// The page's state. It always opens with every toggle off and no key.
class KeyCombinationState {
public:
    // A key-capture report: wParam is the virtual key, lParam the low-level keyboard flags.
    KeyCaptureEffect OnKeyCapture(uint32_t virtualKey, uint32_t flags);
    // A click on a toggle.
    void Toggle(Modifier modifier);

    bool IsOn(Modifier modifier) const { return state_.modifiers[static_cast<size_t>(modifier)]; }
    // The key whose name the page shows (GetVirtualKeyName), 0 = none.
    uint32_t PageKey() const { return state_.pageKey; }
    const KeyPageState& State() const { return state_; }

    // The page's answer to OK: kind 5 and value = the keyCode (0 closes the popup as cancelled).
    AssignmentChoice Result() const;

private:
    KeyPageState state_;
};

}  // namespace kx90::pages
