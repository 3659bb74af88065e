// The assignment popup's tab, Disable box and closing rules.
#include "core/pages/assignment_popup.h"

#include <algorithm>

#include "core/buttons/function_catalogue.h"

namespace kx90::pages {

AssignmentPopupState::AssignmentPopupState(int buttonIndex) {
    choice_.buttonIndex = buttonIndex;
    Show(1);
}

const PopupView& AssignmentPopupState::SelectTab(int tab) {
    if (tab >= 1 && tab <= 4) {
        Show(tab);
    }
    return view_;
}

const PopupView& AssignmentPopupState::ToggleDisable() {
    view_.disableChecked = !view_.disableChecked;
    Show(1);
    return view_;
}

PopupClose AssignmentPopupState::PressOk(const AssignmentChoice& pageResult) {
    if (view_.disableChecked) {
        choice_.kind = kKindDisabled;
        choice_.value = kDisabledValue;
    } else if (view_.shownPage != AssignmentPage::kNone) {
        choice_.kind = pageResult.kind;
        choice_.value = pageResult.value;
        choice_.actionIndex = pageResult.actionIndex;
        std::copy(std::begin(pageResult.path), std::end(pageResult.path), choice_.path);
    }
    view_.keyCapture = false;
    return choice_.value != 0 ? PopupClose::kOk : PopupClose::kCancelled;
}

PopupClose AssignmentPopupState::PressDefault() {
    view_.keyCapture = false;
    const int k = choice_.buttonIndex;
    if (k < 0 || k >= kButtonCount) {
        return PopupClose::kCancelled;
    }
    choice_.kind = kKindBasic;
    choice_.value = static_cast<int32_t>(DefaultButtonFunctions[static_cast<size_t>(k)]);
    return PopupClose::kOk;
}

PopupClose AssignmentPopupState::PressClose() {
    view_.keyCapture = false;
    return PopupClose::kCancelled;
}

void AssignmentPopupState::Show(int tab) {
    if (view_.disableChecked) {
        view_.pressedTab = AssignmentPage::kNone;
        view_.shownPage = AssignmentPage::kNone;
        view_.keyCapture = false;
        return;
    }
    view_.pressedTab = static_cast<AssignmentPage>(tab);
    view_.shownPage = static_cast<AssignmentPage>(tab);
    view_.keyCapture = tab == 1;
}

}  // namespace kx90::pages
