// The factory form of the profile catalogue.
#include "core/profile/profile_catalogue.h"

#include <cstring>
#include <string>

namespace kx90 {

ProfileCatalogue MakeFactoryCatalogue() {
    ProfileCatalogue catalogue;
    std::memset(&catalogue, 0, sizeof catalogue);
    for (int k = 1; k <= kProfileSlotCount; ++k) {
        ProfileSlot& slot = catalogue.Slot(k);
        slot.slotMarker = kSlotMarker;
        slot.active = k == 1 ? 1 : 0;
        const std::u16string name = u"Profile" + std::u16string(1, static_cast<char16_t>(u'0' + k));
        SetFieldText(slot.profileName, name);
        // profilePath stays empty: every load rewrites it from the user's own data folder.
    }
    return catalogue;
}

}  // namespace kx90
