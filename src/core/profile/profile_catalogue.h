// ProfileCatalogue: ConfigInfo.cfg, the list of the five profile slots, 8000 bytes in memory and on disk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/platform/data_folders.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// A slot that holds a profile carries this marker. Only the factory file writes it.
inline constexpr uint32_t kSlotMarker = 0xBEBE;

// One profile of the catalogue. 1600 bytes, little-endian.
struct ProfileSlot {
    uint32_t slotMarker;                    // 0     kSlotMarker when the slot holds a profile
    uint32_t active;                        // 4     1 for the profile selected last
    uint32_t reserved0;                     // 8     written back as read
    char16_t profileName[kTextFieldChars];  // 12    from the factory file; never shown or changed
    char16_t profilePath[kTextFieldChars];  // 532   rewritten at every load; the stored value is unused
    uint8_t reserved1[520];                 // 1052  written back as read
    uint32_t buttonMacroIds[kButtonCount];  // 1572  macro identifier per button, 0 = none
};

static_assert(sizeof(ProfileSlot) == 1600);
static_assert(offsetof(ProfileSlot, slotMarker) == 0);
static_assert(offsetof(ProfileSlot, active) == 4);
static_assert(offsetof(ProfileSlot, reserved0) == 8);
static_assert(offsetof(ProfileSlot, profileName) == 12);
static_assert(offsetof(ProfileSlot, profilePath) == 532);
static_assert(offsetof(ProfileSlot, reserved1) == 1052);
static_assert(offsetof(ProfileSlot, buttonMacroIds) == 1572);

// The whole of ConfigInfo.cfg: slot k (1 to 5) at offset 1600 * (k - 1).
struct ProfileCatalogue {
    ProfileSlot slots[kProfileSlotCount];

    ProfileSlot& Slot(int k) { return slots[k - 1]; }
    const ProfileSlot& Slot(int k) const { return slots[k - 1]; }
};

static_assert(sizeof(ProfileCatalogue) == 8000);
static_assert(offsetof(ProfileCatalogue, slots) == 0);

inline bool IsValidSlotNumber(int k) {
    return k >= 1 && k <= kProfileSlotCount;
}

// A profile button shows its slot as selected when the slot holds a profile and is the active one.
inline bool IsSlotShownSelected(const ProfileSlot& slot) {
    return slot.slotMarker == kSlotMarker && slot.active != 0;
}

// The catalogue the installation ships: five marked slots named Profile1 ... Profile5, slot 1 active.
ProfileCatalogue MakeFactoryCatalogue();

}  // namespace kx90
