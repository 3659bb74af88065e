// CSetting_BaseDlg: the basic-functions page of the assignment popup, one list of the 24
// functions in list order.
#pragma once

#include "win/pages/assignment/assignment_page.h"
#include "win/skin/list_box_ex.h"

namespace kx90::pages {

class CSetting_BaseDlg : public AssignmentPageWindow {
public:
    static constexpr UINT kListId = 101;

    AssignmentChoice Result(int buttonIndex) const override;
    skin::CListBoxEx& List() { return list_; }

protected:
    const wchar_t* SkinFolder() const override { return L"base"; }
    const wchar_t* SkinStem() const override { return L"Base"; }
    void CreateControls() override;

private:
    skin::CListBoxEx list_;
};

}  // namespace kx90::pages
