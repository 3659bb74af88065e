// The assignment popup's rules: tabs and pages, the Disable box, the key capture, and how OK,
// Default setting and the close button end it.
#include "core/pages/assignment_popup.h"

#include <gtest/gtest.h>

namespace kx90::pages {
namespace {

void ExpectView(const PopupView& view, AssignmentPage pressed, AssignmentPage shown, bool capture,
                bool disabled, const char* when) {
    EXPECT_EQ(view.pressedTab, pressed) << when;
    EXPECT_EQ(view.shownPage, shown) << when;
    EXPECT_EQ(view.keyCapture, capture) << when;
    EXPECT_EQ(view.disableChecked, disabled) << when;
}

TEST(AssignmentPopup, OnlyTheKeyPageCapturesKeys) {
    AssignmentPopupState popup(2);
    ExpectView(popup.View(), AssignmentPage::kKey, AssignmentPage::kKey, true, false, "opened");
    ExpectView(popup.SelectTab(2), AssignmentPage::kMacro, AssignmentPage::kMacro, false, false, "tab 2");
    ExpectView(popup.SelectTab(3), AssignmentPage::kBasic, AssignmentPage::kBasic, false, false, "tab 3");
    ExpectView(popup.SelectTab(4), AssignmentPage::kAdvanced, AssignmentPage::kAdvanced, false, false,
               "tab 4");
    ExpectView(popup.SelectTab(0), AssignmentPage::kAdvanced, AssignmentPage::kAdvanced, false, false,
               "no tab 0");
    ExpectView(popup.SelectTab(5), AssignmentPage::kAdvanced, AssignmentPage::kAdvanced, false, false,
               "no tab 5");
    ExpectView(popup.SelectTab(1), AssignmentPage::kKey, AssignmentPage::kKey, true, false, "tab 1 again");
}

TEST(AssignmentPopup, DisableHidesEveryPageAndUncheckingComesBackToTheKeyPage) {
    AssignmentPopupState popup(1);
    popup.SelectTab(3);
    ExpectView(popup.ToggleDisable(), AssignmentPage::kNone, AssignmentPage::kNone, false, true, "checked");
    EXPECT_EQ(popup.PageToAsk(), AssignmentPage::kNone);
    ExpectView(popup.SelectTab(4), AssignmentPage::kNone, AssignmentPage::kNone, false, true,
               "a tab while checked");
    ExpectView(popup.SelectTab(1), AssignmentPage::kNone, AssignmentPage::kNone, false, true,
               "tab 1 while checked");
    ExpectView(popup.ToggleDisable(), AssignmentPage::kKey, AssignmentPage::kKey, true, false, "unchecked");
}

TEST(AssignmentPopup, OkWithDisableCheckedIsKind121Value7WhateverThePageSays) {
    AssignmentPopupState popup(4);
    popup.ToggleDisable();
    AssignmentChoice page;
    page.kind = kKindKeyCombination;
    page.value = 0x00060100;
    EXPECT_EQ(popup.PressOk(page), PopupClose::kOk);
    EXPECT_EQ(popup.Choice().kind, kKindDisabled);
    EXPECT_EQ(popup.Choice().value, kDisabledValue);
    EXPECT_EQ(popup.Choice().buttonIndex, 4);
    EXPECT_FALSE(popup.View().keyCapture);
}

TEST(AssignmentPopup, OkTakesThePageResultAndCancelsWhenItIsEmpty) {
    AssignmentPopupState popup(3);
    popup.SelectTab(4);
    AssignmentChoice page;
    page.buttonIndex = 0;  // a page does not know the button; the popup's stays
    page.kind = kKindAdvancedAction;
    page.value = 0x00D30006;
    page.actionIndex = 1;
    ASSERT_TRUE(SetChoicePath(page, u"C:\\Games\\game.exe"));
    EXPECT_EQ(popup.PressOk(page), PopupClose::kOk);
    const AssignmentChoice& c = popup.Choice();
    EXPECT_EQ(c.buttonIndex, 3);
    EXPECT_EQ(c.kind, kKindAdvancedAction);
    EXPECT_EQ(c.value, 0x00D30006);
    EXPECT_EQ(c.actionIndex, 1);
    EXPECT_EQ(ChoicePath(c), u"C:\\Games\\game.exe");

    AssignmentPopupState basic(3);
    basic.SelectTab(3);
    EXPECT_EQ(basic.PressOk(AssignmentChoice{}), PopupClose::kCancelled) << "no item selected";
    AssignmentPopupState key(3);
    AssignmentChoice noKey;
    noKey.kind = kKindKeyCombination;
    EXPECT_EQ(key.PressOk(noKey), PopupClose::kCancelled) << "Ctrl + Alt without a key";
    EXPECT_FALSE(key.View().keyCapture);
}

TEST(AssignmentPopup, DefaultSettingIsTheButtonsFactoryFunctionAndCloseCancels) {
    const uint32_t factory[] = {1, 4, 2, 8, 16, 11, 22};
    for (int k = 0; k < kButtonCount; ++k) {
        AssignmentPopupState popup(k);
        popup.SelectTab(2);
        EXPECT_EQ(popup.PressDefault(), PopupClose::kOk) << k;
        EXPECT_EQ(popup.Choice().kind, kKindBasic) << k;
        EXPECT_EQ(popup.Choice().value, static_cast<int32_t>(factory[k])) << k;
    }
    AssignmentPopupState popup(0);
    EXPECT_EQ(popup.PressClose(), PopupClose::kCancelled);
    EXPECT_FALSE(popup.View().keyCapture);
    EXPECT_EQ(popup.Choice().value, 0);

    AssignmentPopupState outside(kButtonCount);
    EXPECT_EQ(outside.PressDefault(), PopupClose::kCancelled) << "no factory function to read past the table";
}

}  // namespace
}  // namespace kx90::pages
