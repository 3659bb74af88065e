// The macro page of the assignment popup: the 21 game groups, the macros of the shown group, and
// which of them OK assigns.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/i18n/pair_language.h"
#include "core/macro/macro_library.h"
#include "core/pages/assignment_choice.h"

namespace kx90::pages {

// Control ids of the two lists; their selection-change notices carry them in wParam.
inline constexpr int kMacroGroupListId = 10001;
inline constexpr int kMacroChoiceListId = 10002;

// The group list's items in group order (item i is group i + 1), in their list spelling.
std::vector<std::u16string_view> MacroGroupListNames(PairLanguage language);

// The page's state over the library, which must outlive it. Both lists select each item as it is
// appended, so the last one ends up selected: the page opens on group 21 with its last macro (in
// slot order) selected, whatever the button has now. Item data: the group list carries the index
// i, the macro list each macro's id. Neither list shows step icons.
class MacroChoiceState {
public:
    explicit MacroChoiceState(const MacroLibrary& library);

    // A selection change of the group list (lParam = the new index). Refills the macro list and
    // returns true when the index is a group other than the shown one; false changes nothing.
    bool OnGroupSelected(int groupIndex);
    // A selection change of the macro list; an index outside the list selects nothing.
    void SelectMacro(int index);

    int ShownGroupIndex() const { return shownGroupIndex_; }
    const std::vector<MacroListEntry>& Macros() const { return macros_; }
    // Index into Macros(), -1 when nothing is selected (a group without macros).
    int SelectedMacro() const { return selectedMacro_; }

    // The page's answer to OK: kind 6 and the selected macro's id, or value 0 when none is
    // selected (the popup closes as cancelled).
    AssignmentChoice Result() const;

private:
    void Fill(int groupIndex);

    const MacroLibrary& library_;
    int shownGroupIndex_ = 0;
    std::vector<MacroListEntry> macros_;
    int selectedMacro_ = -1;
};

}  // namespace kx90::pages
