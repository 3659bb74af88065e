// Key naming over the fixed name tables and the keyboard layout seam.
#include "core/buttons/key_naming.h"

#include <array>

#include "core/buttons/key_tables.h"

namespace kx90 {
namespace {

struct VirtualKeyNameRow {
    uint8_t virtualKey;
    std::u16string_view name;
};

// Keys named by the key tab itself; every other key is named by the keyboard layout.
// clang-format off
constexpr VirtualKeyNameRow kVirtualKeyNames[] = {
    {0x00, u""}, {0xFF, u""},
    {0x08, u"Backspace"}, {0x09, u"Tab"}, {0x0C, u"Clr"}, {0x0D, u"Enter"}, {0x2B, u"Enter"},
    {0x10, u"Shift"}, {0x11, u"Ctrl"}, {0x12, u"Alt"}, {0x13, u"Pause"}, {0x14, u"CapsLock"},
    {0x1B, u"Esc"}, {0x20, u"Space"}, {0x21, u"PageUp"}, {0x22, u"PageDown"}, {0x23, u"End"},
    {0x24, u"Home"}, {0x25, u"Left"}, {0x26, u"Up"}, {0x27, u"Right"}, {0x28, u"Down"},
    {0x29, u"Select"}, {0x2A, u"Print"}, {0x2C, u"PrtSc SysRq"}, {0x2D, u"Insert"}, {0x2E, u"Delete"},
    {0x2F, u"Help"}, {0x5B, u"LWin"}, {0x5C, u"RWin"}, {0x5D, u"App"},
    {0x6A, u"(*)"}, {0x6B, u"(+)"}, {0x6C, u"\\"}, {0x6D, u"(-)"}, {0x6E, u"(.)"}, {0x6F, u"(/)"},
    {0x90, u"Numlock"}, {0x91, u"Scroll Lock"},
    {0xA0, u"LShift"}, {0xA1, u"RShift"}, {0xA2, u"LCtrl"}, {0xA3, u"RCtrl"}, {0xA4, u"LAlt"},
    {0xA5, u"RAlt"},
};
// clang-format on

constexpr uint8_t kVkNumpad0 = 0x60, kVkNumpad9 = 0x69, kVkF1 = 0x70, kVkF12 = 0x7B;

struct ModifierName {
    uint8_t bit;
    std::u16string_view name;
};
// The fixed order in which a combination names its modifiers.
constexpr std::array<ModifierName, 4> kModifierNames{
    {{kModifierShift, u"Shift"}, {kModifierCtrl, u"Ctrl"}, {kModifierAlt, u"Alt"}, {kModifierWin, u"Win"}}};

constexpr std::u16string_view kSeparator = u" + ";

std::u16string Numbered(std::u16string_view prefix, int number, std::u16string_view suffix) {
    std::u16string text(prefix);
    if (number >= 10) {
        text += static_cast<char16_t>(u'0' + number / 10);
    }
    text += static_cast<char16_t>(u'0' + number % 10);
    text += suffix;
    return text;
}

}  // namespace

std::u16string GetVirtualKeyName(uint32_t virtualKey, const KeyboardLayout& layout) {
    if (virtualKey > 0xFF) {
        return {};
    }
    for (const VirtualKeyNameRow& row : kVirtualKeyNames) {
        if (row.virtualKey == virtualKey) {
            return std::u16string(row.name);
        }
    }
    if (virtualKey >= kVkNumpad0 && virtualKey <= kVkNumpad9) {
        return Numbered(u"(", static_cast<int>(virtualKey - kVkNumpad0), u")");
    }
    if (virtualKey >= kVkF1 && virtualKey <= kVkF12) {
        return Numbered(u"F", static_cast<int>(virtualKey - kVkF1 + 1), u"");
    }
    uint8_t character = layout.UnshiftedCharacter(static_cast<uint8_t>(virtualKey));
    if (character == 0) {
        return {};
    }
    if (character >= 'a' && character <= 'z') {
        character = static_cast<uint8_t>(character - 'a' + 'A');
    }
    return std::u16string(1, static_cast<char16_t>(character));  // the 8-bit character as Latin-1
}

std::u16string GetKeyCodeName(uint32_t keyCode, const KeyboardLayout& layout) {
    const auto modifiers = static_cast<uint8_t>(keyCode >> 8);
    const auto usage = static_cast<uint8_t>(keyCode >> 16);
    if (modifiers == 0) {
        return GetVirtualKeyName(UsageToVirtualKey(usage), layout);
    }
    std::u16string text;
    for (const ModifierName& modifier : kModifierNames) {
        if ((modifiers & modifier.bit) != 0) {
            if (!text.empty()) {
                text += kSeparator;
            }
            text += modifier.name;
        }
    }
    if (text.empty()) {
        // None of the four modifier bits: the byte is read as a usage of its own.
        return GetVirtualKeyName(UsageToVirtualKey(modifiers), layout);
    }
    text += kSeparator;
    text += GetVirtualKeyName(UsageToVirtualKey(usage), layout);
    return text;
}

std::u16string_view GetMacroKeyName(uint32_t eventValue) {
    const auto code = static_cast<uint8_t>(eventValue);
    for (const MacroKeyNameRow& row : MacroKeyNameTable) {
        if (row.virtualKey == code) {
            return row.name;
        }
    }
    return {};
}

}  // namespace kx90
