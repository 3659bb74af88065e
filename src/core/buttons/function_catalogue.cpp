// Function catalogue look-ups.
#include "core/buttons/function_catalogue.h"

namespace kx90 {

const FunctionRow* FunctionAtListPosition(int position) {
    for (const FunctionRow& row : kFunctionCatalogue) {
        if (row.listPosition == position && row.listLabel != nullptr) {
            return &row;
        }
    }
    return nullptr;
}

std::u16string_view GetFunctionName(uint32_t code, PairLanguage language) {
    const FunctionRow* row = FindFunction(code);
    if (row == nullptr) {
        return {};
    }
    return PickByLanguage(language, row->chineseName, row->englishName);
}

}  // namespace kx90
