// Game-group names by the interface language.
#include "core/macro/macro_groups.h"

namespace kx90 {
namespace {

const MacroGroupNames* Group(uint32_t group) {
    if (group < 1 || group > kMacroGroupCount) {
        return nullptr;
    }
    return &kMacroGroups[group - 1];
}

}  // namespace

std::u16string_view GroupMenuName(uint32_t group, PairLanguage language) {
    const MacroGroupNames* g = Group(group);
    return g == nullptr ? std::u16string_view{} : PickByLanguage(language, g->chineseMenu, g->englishMenu);
}

std::u16string_view GroupCaption(uint32_t group, PairLanguage language) {
    const MacroGroupNames* g = Group(group);
    return g == nullptr ? std::u16string_view{}
                        : PickByLanguage(language, g->chineseCaption, g->englishCaption);
}

std::u16string_view GroupListName(uint32_t group, PairLanguage language) {
    const MacroGroupNames* g = Group(group);
    return g == nullptr ? std::u16string_view{} : PickByLanguage(language, g->chineseList, g->englishList);
}

}  // namespace kx90
