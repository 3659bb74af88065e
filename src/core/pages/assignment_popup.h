// The button-assignment popup's own rules: which tab and page show, the Disable box, the key
// capture, and what OK, Default setting and the close button make of the choice.
#pragma once

#include "core/pages/assignment_choice.h"

namespace kx90::pages {

// The four pages, numbered as their tabs.
enum class AssignmentPage { kNone = 0, kKey = 1, kMacro = 2, kBasic = 3, kAdvanced = 4 };

// What the popup shows after a step.
struct PopupView {
    AssignmentPage pressedTab = AssignmentPage::kKey;  // kNone: all four drawn released
    AssignmentPage shownPage = AssignmentPage::kKey;   // kNone: every page hidden
    bool disableChecked = false;
    // Key capture pointed at the key page with key forwarding on (mouse capture off); off otherwise.
    bool keyCapture = true;
};

// How a button press ends the popup.
enum class PopupClose {
    kStayOpen,
    kOk,         // read Choice() and call ApplyAssignment
    kCancelled,  // nothing changes
};

// One per popup; it opens on tab 1 with the key capture on.
class AssignmentPopupState {
public:
    explicit AssignmentPopupState(int buttonIndex);

    const PopupView& View() const { return view_; }

    // A tab button (1..4; anything else is ignored). While the Disable box is checked every tab is
    // released, every page hidden and the capture off, whatever the tab.
    const PopupView& SelectTab(int tab);
    // The Disable box: flips it, then selects tab 1, so unchecking always comes back to the key
    // page, never to the tab shown before.
    const PopupView& ToggleDisable();

    // The page whose result OK needs: the one shown, kNone while the Disable box is checked.
    AssignmentPage PageToAsk() const { return view_.shownPage; }

    // OK: with the Disable box checked the choice is kind 121 and value 7; otherwise kind, value,
    // actionIndex and path come from pageResult (the answer of PageToAsk(); ignored when that is
    // kNone). The capture goes off. kOk when the value is not 0, else kCancelled.
    PopupClose PressOk(const AssignmentChoice& pageResult);
    // Default setting: kind 0 and the button's factory function (DefaultButtonFunctions). kOk.
    PopupClose PressDefault();
    // The close button: the capture goes off. kCancelled.
    PopupClose PressClose();

    // The choice; buttonIndex is the one given at construction.
    const AssignmentChoice& Choice() const { return choice_; }

private:
    void Show(int tab);

    PopupView view_;
    AssignmentChoice choice_;
};

}  // namespace kx90::pages
