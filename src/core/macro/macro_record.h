// MacroRecord and MacroEvent: one macro as Macro.cfg stores it, 4104 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/platform/clock.h"

namespace kx90 {

inline constexpr int kMacroEventCapacity = 1000;
inline constexpr int kMacroNameUnits = 40;  // UTF-16 units of room, NUL included
inline constexpr uint32_t kMacroMarker = 0xE8E80010;
inline constexpr uint32_t kMacroMarkerHigh = 0xE8E8;
// recordSize is 4100 + 4 per event item the editor held; every saved macro has at least one.
inline constexpr uint32_t kMinMacroRecordSize = 4104;
// repeatCount of a macro that is exactly one key-down event.
inline constexpr uint32_t kSingleKeyRepeatCount = 0xFFFE;

// Event kinds (bits 24-31 of a MacroEvent).
inline constexpr uint32_t kMacroKeyDown = 0xC0;  // value: virtual-key code (1, 2, 4 = mouse buttons)
inline constexpr uint32_t kMacroKeyUp = 0xE0;    // value: as for key down
inline constexpr uint32_t kMacroPause = 0xA0;    // value: milliseconds, 0 to 0xFFFFFF

// One event: bits 24-31 the kind, bits 0-23 the value.
struct MacroEvent {
    uint32_t raw;

    constexpr uint32_t Kind() const { return raw >> 24; }
    constexpr uint32_t Value() const { return raw & 0xFFFFFF; }
};

constexpr MacroEvent MakeMacroEvent(uint32_t kind, uint32_t value) {
    return {(kind << 24) | (value & 0xFFFFFF)};
}

static_assert(sizeof(MacroEvent) == 4);

struct MacroRecord {
    uint32_t recordSize;                     // 0     4100 + 4 * editor items; 0 when free
    uint32_t marker;                         // 4     kMacroMarker when used, 0 when free
    uint32_t id;                             // 8     group << 24 | tick & 0xFFFFFF; 0 when free
    uint32_t reserved;                       // 12    always 0
    uint32_t repeatCount;                    // 16    1..65533, or kSingleKeyRepeatCount
    uint32_t eventCount;                     // 20    valid entries of events, 0..1000
    MacroEvent events[kMacroEventCapacity];  // 24    zero from eventCount on
    char16_t name[kMacroNameUnits];          // 4024  NUL-terminated if it fits
};

static_assert(sizeof(MacroRecord) == 4104);
static_assert(offsetof(MacroRecord, recordSize) == 0);
static_assert(offsetof(MacroRecord, marker) == 4);
static_assert(offsetof(MacroRecord, id) == 8);
static_assert(offsetof(MacroRecord, reserved) == 12);
static_assert(offsetof(MacroRecord, repeatCount) == 16);
static_assert(offsetof(MacroRecord, eventCount) == 20);
static_assert(offsetof(MacroRecord, events) == 24);
static_assert(offsetof(MacroRecord, name) == 4024);

// Shown in macro lists.
inline bool IsMacroListed(const MacroRecord& r) {
    return r.recordSize >= kMinMacroRecordSize || (r.marker >> 16) == kMacroMarkerHigh;
}
// May receive a new macro. A slot can be listed and free at once (recordSize set, marker 0).
inline bool IsMacroSlotFree(const MacroRecord& r) {
    return r.marker == 0;
}

// The record's events. A file may claim more than the 1000 the record holds; only those are used.
std::span<const MacroEvent> StoredEvents(const MacroRecord& record);

// The name up to its NUL, or all 40 units of a name that fills the field.
std::u16string_view MacroName(const MacroRecord& record);
// Writes at most 39 units and a NUL; the rest of the field is cleared.
void SetMacroName(MacroRecord& record, std::u16string_view name);

inline constexpr uint32_t MacroGroupOf(uint32_t id) {
    return id >> 24;
}

// A fresh identifier in a game group: the group in the top byte, the tick count below.
uint32_t NewMacroId(uint32_t group, Clock& clock);

}  // namespace kx90
