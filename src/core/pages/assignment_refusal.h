// Why an assignment is refused, and what the info dialog says about it.
#pragma once

#include <string_view>

#include "core/i18n/pair_language.h"

namespace kx90::pages {

enum class AssignmentRefusal {
    kNone,
    kLastLeftClick,   // it would leave no button with Click
    kSniperOnWheel,   // SNIPE on the wheel-up or wheel-down position
    kAdvancedOnLeft,  // an advanced action on the left button: the hook never runs one for it
    kPathTooLong,     // a path of more than 259 units does not fit the record
    kNothingChosen,   // value 0, a button outside 0..6 or an unknown action row: never shown
};

// The info dialog's text for a refusal in the given language; empty for kNone and kNothingChosen.
std::u16string_view RefusalText(AssignmentRefusal refusal, PairLanguage language);

}  // namespace kx90::pages
