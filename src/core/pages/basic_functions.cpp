// The basic-functions list and its result.
#include "core/pages/basic_functions.h"

#include "core/buttons/function_catalogue.h"

namespace kx90::pages {

std::vector<BasicListItem> BasicListItems(const LanguageStrings& strings) {
    std::vector<BasicListItem> items;
    for (int position = 1; position <= kBasicListLength; ++position) {
        if (const FunctionRow* row = FunctionAtListPosition(position)) {
            items.push_back({strings.*(row->listLabel), row->code});
        }
    }
    return items;
}

AssignmentChoice BasicPageResult(int selectedIndex) {
    AssignmentChoice choice;
    if (selectedIndex < 0 || selectedIndex >= kBasicListLength) {
        return choice;
    }
    if (const FunctionRow* row = FunctionAtListPosition(selectedIndex + 1)) {
        choice.value = static_cast<int32_t>(row->code);
    }
    return choice;
}

}  // namespace kx90::pages
