// The macro page: the group list, the shown group's macros, the last of them selected.
#include "win/pages/assignment/macro_choice_page.h"

#include "core/layout/assignment_popup_layout.h"
#include "core/macro/macro_record.h"
#include "win/pages/assignment/list_look.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace choice = layout::macro_choice_page;

void CSetting_MacroDlg::CreateControls() {
    MakeAssignmentList(groups_, hwnd(), ui::ToRect(choice::kGroupList), kMacroGroupListId,
                       kMacroListItemHeight);
    MakeAssignmentList(macros_, hwnd(), ui::ToRect(choice::kMacroList), kMacroChoiceListId,
                       kMacroListItemHeight);
    const std::vector<std::u16string_view> names = MacroGroupListNames(Language().Pairs());
    for (size_t i = 0; i < names.size(); ++i) {
        groups_.InsertItem(static_cast<int>(i), skin::kListItemPlain, ui::Wide(names[i]),
                           static_cast<uint32_t>(i));
    }
    // Each insert selected its row: the last group shows, as the page's rules have it.
    groups_.SetCurSel(state_.ShownGroupIndex());
    FillMacros();
    WrapInSkinScrollBars(groups_);
    WrapInSkinScrollBars(macros_);
}

void CSetting_MacroDlg::FillMacros() {
    SendMessageW(macros_.hwnd(), WM_SETREDRAW, FALSE, 0);
    macros_.ResetContent();
    for (const MacroListEntry& macro : state_.Macros()) {
        macros_.InsertItem(macros_.GetCount(), skin::kListItemPlain, ui::Wide(macro.name), macro.id);
    }
    macros_.SetCurSel(state_.SelectedMacro());
    SendMessageW(macros_.hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(macros_.hwnd(), nullptr, TRUE);
}

LRESULT CSetting_MacroDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != msg::kListSelChange) {
        return AssignmentPageWindow::HandleMessage(message, wParam, lParam);
    }
    const int index = static_cast<int>(lParam);
    if (wParam == kMacroGroupListId) {
        if (state_.OnGroupSelected(index)) {
            FillMacros();
        }
    } else if (wParam == kMacroChoiceListId) {
        state_.SelectMacro(index);
    }
    return 0;
}

}  // namespace kx90::pages
