// The main window's help line: which text each status code shows.
#pragma once

#include <cstdint>
#include <string>

#include "core/i18n/ui_language.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// Codes 19..25 name the seven buttons; the others are catalogue texts. Code 0 and codes above 90
// give an empty text.
inline constexpr int kStatusFirstButton = 19;
inline constexpr int kStatusLastCode = 90;

// The help text of a status code. For a button code the live record's name goes through the
// own-row default-name fix-up first, so the record is changed when the language changed.
std::u16string StatusText(int code, const UiLanguage& language, ProfileRecord& live);

}  // namespace kx90
