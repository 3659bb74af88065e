// Display names of keys: virtual keys, stored key combinations and keys inside macros.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/buttons/keyboard_layout.h"

namespace kx90 {

// Modifier bits of a key combination (bits 8-15 of a keyCode).
inline constexpr uint8_t kModifierCtrl = 0x01;
inline constexpr uint8_t kModifierShift = 0x02;
inline constexpr uint8_t kModifierAlt = 0x04;
inline constexpr uint8_t kModifierWin = 0x08;

// A key combination: bits 8-15 modifier bits, bits 16-23 HID keyboard usage.
constexpr uint32_t MakeKeyCode(uint8_t modifiers, uint8_t usage) {
    return (static_cast<uint32_t>(usage) << 16) | (static_cast<uint32_t>(modifiers) << 8);
}

// Name of a virtual-key code. Codes without a fixed name are named by the character they type
// (upper-cased); a code above 255 or one that types nothing has an empty name.
std::u16string GetVirtualKeyName(uint32_t virtualKey, const KeyboardLayout& layout);

// Name of a stored key combination: "Ctrl + Alt + Delete". A combination without a key ends in the
// separator (" + ") with nothing after it.
std::u16string GetKeyCodeName(uint32_t keyCode, const KeyboardLayout& layout);

// Name of the key of a macro event (only the low byte is looked at); empty when the macro name
// table does not list it.
std::u16string_view GetMacroKeyName(uint32_t eventValue);

}  // namespace kx90
