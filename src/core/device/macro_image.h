// The mouse's 512-byte macro image: 16-bit words of key events and pauses, built from macro events.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/device/device_protocol.h"

namespace kx90 {

// Macro event words as the macro library stores them: bits 24-31 kind, bits 0-23 value.
inline constexpr uint8_t kMacroEventKeyDown = 0xC0;
inline constexpr uint8_t kMacroEventKeyUp = 0xE0;
inline constexpr uint8_t kMacroEventPause = 0xA0;

constexpr uint32_t MakeMacroEvent(uint8_t kind, uint32_t value) {
    return (static_cast<uint32_t>(kind) << 24) | (value & 0xFFFFFF);
}

// What the encoder needs of a macro: its events in order and how often the mouse repeats it (only
// the low 16 bits reach the mouse). A view; the caller keeps the events alive.
struct MacroEventsView {
    std::span<const uint32_t> events;
    uint32_t repeatCount = 0;
};

inline constexpr int kMacroImageWords = kMacroImageBytes / 2;  // 256, header included
using MacroImage = std::array<uint8_t, kMacroImageBytes>;

// Builds the image (cleared first) and returns the number of words used, header included (1..256).
int EncodeMacro(const MacroEventsView& macro, MacroImage& image);

}  // namespace kx90
