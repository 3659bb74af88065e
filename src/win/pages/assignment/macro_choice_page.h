// CSetting_MacroDlg: the macro page of the assignment popup: the 21 game groups and the macros of
// the chosen one.
#pragma once

#include "core/macro/macro_library.h"
#include "core/pages/macro_choice.h"
#include "win/pages/assignment/assignment_page.h"
#include "win/skin/list_box_ex.h"

namespace kx90::pages {

class CSetting_MacroDlg : public AssignmentPageWindow {
public:
    explicit CSetting_MacroDlg(const MacroLibrary& macros) : state_(macros) {}

    AssignmentChoice Result(int) const override { return state_.Result(); }
    const MacroChoiceState& State() const { return state_; }
    skin::CListBoxEx& GroupList() { return groups_; }
    skin::CListBoxEx& MacroList() { return macros_; }

protected:
    const wchar_t* SkinFolder() const override { return L"macro"; }
    const wchar_t* SkinStem() const override { return L"Macro"; }
    void CreateControls() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FillMacros();

    MacroChoiceState state_;
    skin::CListBoxEx groups_;
    skin::CListBoxEx macros_;
};

}  // namespace kx90::pages
