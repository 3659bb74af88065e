// The basic-functions page of the assignment popup: its list of 24 functions and its result.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/i18n/language_strings.h"
#include "core/pages/assignment_choice.h"

namespace kx90::pages {

struct BasicListItem {
    std::u16string_view label;  // the catalogue text, in the current language
    uint32_t code;              // the function code the item carries
};

// The list's items in list order (kBasicListLength of them). The labels point into strings.
std::vector<BasicListItem> BasicListItems(const LanguageStrings& strings);

// The page's answer to OK for the list's selection (-1 = none): kind 0 and the item's function
// code, or value 0 when nothing is selected (the popup closes as cancelled).
AssignmentChoice BasicPageResult(int selectedIndex);

}  // namespace kx90::pages
