// The macro page's group list, macro list and selection.
#include "core/pages/macro_choice.h"

#include "core/macro/macro_groups.h"

namespace kx90::pages {

std::vector<std::u16string_view> MacroGroupListNames(PairLanguage language) {
    std::vector<std::u16string_view> names;
    for (uint32_t group = 1; group <= kMacroGroupCount; ++group) {
        names.push_back(GroupListName(group, language));
    }
    return names;
}

MacroChoiceState::MacroChoiceState(const MacroLibrary& library) : library_(library) {
    Fill(static_cast<int>(kMacroGroupCount) - 1);
}

bool MacroChoiceState::OnGroupSelected(int groupIndex) {
    if (groupIndex == shownGroupIndex_ || groupIndex < 0 ||
        groupIndex >= static_cast<int>(kMacroGroupCount)) {
        return false;
    }
    Fill(groupIndex);
    return true;
}

void MacroChoiceState::SelectMacro(int index) {
    selectedMacro_ = index >= 0 && index < static_cast<int>(macros_.size()) ? index : -1;
}

AssignmentChoice MacroChoiceState::Result() const {
    AssignmentChoice choice;
    choice.kind = kKindMacro;
    if (selectedMacro_ >= 0) {
        choice.value = static_cast<int32_t>(macros_[static_cast<size_t>(selectedMacro_)].id);
    }
    return choice;
}

void MacroChoiceState::Fill(int groupIndex) {
    shownGroupIndex_ = groupIndex;
    macros_ = library_.ListGroupMacros(static_cast<uint32_t>(groupIndex) + 1);
    selectedMacro_ = static_cast<int>(macros_.size()) - 1;
}

}  // namespace kx90::pages
