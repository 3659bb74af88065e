// The basic-functions page: the list filled from the catalogue, nothing selected at first.
#include "win/pages/assignment/basic_page.h"

#include "core/layout/assignment_popup_layout.h"
#include "core/pages/basic_functions.h"
#include "win/pages/assignment/list_look.h"
#include "win/ui/text.h"

namespace kx90::pages {

void CSetting_BaseDlg::CreateControls() {
    const layout::Rect& r = layout::basic_page::kFunctionList;
    MakeAssignmentList(list_, hwnd(), RECT{r.left, r.top, r.right, r.bottom}, kListId, kBasicListItemHeight);
    for (const BasicListItem& item : BasicListItems(Texts())) {
        list_.InsertItem(list_.GetCount(), skin::kListItemPlain, ui::Wide(item.label), item.code);
    }
    // Every insert selects its row; the page opens with none chosen, so OK alone changes nothing.
    list_.SetCurSel(-1);
    SendMessageW(list_.hwnd(), LB_SETTOPINDEX, 0, 0);
    WrapInSkinScrollBars(list_);
}

AssignmentChoice CSetting_BaseDlg::Result(int) const {
    return BasicPageResult(list_.GetCurSel());
}

}  // namespace kx90::pages
