// SkinMenu.dll loaded by name as the program loads it: the list shows the items, reports the
// chosen id with MenuChoiceMessage, and closes on DestroyMenuEx and on deactivation.
#include <gtest/gtest.h>

#include <string>

#include "skin/skin_fixture.h"
#include "win/skin/skin_menu_api.h"

namespace kx90::test {
namespace {

constexpr int kRowHeight = 24;

class SkinMenuDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = LoadLibraryW(L"SkinMenu.dll");
        ASSERT_NE(library_, nullptr);
        create_ = SkinMenuExport<CreateMenuExProc>(library_, "CreateMenuEx");
        destroy_ = SkinMenuExport<DestroyMenuExProc>(library_, "DestroyMenuEx");
        ASSERT_NE(create_, nullptr);
        ASSERT_NE(destroy_, nullptr);
        ASSERT_NE(GetProcAddress(library_, "DllPreTranslateMessage"), nullptr);
        ASSERT_TRUE(owner_.Open(60, 60, 400, 300, L"KX90 macro page"));
        for (int i = 0; i < 21; ++i) {
            items_[i].kind = SKIN_MENU_PLAIN_ITEM;
            items_[i].id = i + 1;
            const std::wstring text = L"Game group " + std::to_wstring(i + 1);
            text.copy(items_[i].text, SKIN_MENU_TEXT_LENGTH - 1);
        }
        const wchar_t* names[SKIN_MENU_SKIN_COUNT] = {
            L"MenuNorL.BMP",       L"MenuOverL.BMP",       L"MenuDownL.BMP",       L"MenuNorL.BMP",
            L"MenuNorHaveSub.BMP", L"MenuOverHaveSub.BMP", L"MenuDownHaveSub.BMP", L"MenuNorHaveSub.BMP"};
        for (int i = 0; i < SKIN_MENU_SKIN_COUNT; ++i) {
            paths_[i] = (SkinDir() / "skins" / "Menu" / names[i]).wstring();
            skins_[i] = paths_[i].c_str();
        }
    }
    void TearDown() override {
        if (destroy_ != nullptr) {
            destroy_(nullptr);
        }
        // The library stays loaded: a list may still be going away in this thread's queue.
    }

    HWND Open() {
        EXPECT_EQ(
            create_(owner_.hwnd(), kRowHeight, 21, 41, 0x676153, 0xFFFFFF, 0xB98C15, skins_, items_, 21), 1);
        PumpFor(std::chrono::milliseconds(30));
        return FindWindowW(L"KX90SkinMenu", nullptr);
    }
    POINT Row(HWND list, int index) const {
        return ScreenPointOf(list, POINT{40, 1 + index * kRowHeight + 12});
    }
    static bool Gone(HWND list) {
        return PumpUntil([&] { return !IsWindow(list); }, std::chrono::seconds(3));
    }

    HMODULE library_ = nullptr;
    CreateMenuExProc create_ = nullptr;
    DestroyMenuExProc destroy_ = nullptr;
    HostWindow owner_;
    SkinMenuItem items_[SKIN_MENU_MAX_ITEMS] = {};
    std::wstring paths_[SKIN_MENU_SKIN_COUNT];
    const wchar_t* skins_[SKIN_MENU_SKIN_COUNT] = {};
};

TEST_F(SkinMenuDllTest, ReportsTheChosenIdAndCloses) {
    HWND list = Open();
    ASSERT_NE(list, nullptr);
    RECT rc;
    GetWindowRect(list, &rc);
    const POINT at = ScreenPointOf(owner_.hwnd(), POINT{21, 41});
    EXPECT_EQ(rc.left, at.x) << "placed in the owner's client coordinates";
    EXPECT_EQ(rc.top, at.y);
    EXPECT_EQ(rc.bottom - rc.top, 21 * kRowHeight + 2);

    RealMoveTo(Row(list, 2));
    EXPECT_TRUE(
        CaptureScreenRectToPng(RECT{rc.left - 10, rc.top - 10, rc.right + 10, rc.top + 10 * kRowHeight},
                               ScreenshotDir() / "skinmenu_group_list.png"));
    RealPressAt(Row(list, 2));
    RealReleaseAt(Row(list, 2));
    ASSERT_TRUE(Gone(list));
    PumpFor(std::chrono::milliseconds(20));
    const auto choices = owner_.Of(SKIN_MENU_CHOICE_MESSAGE);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].lParam, 3);
}

TEST_F(SkinMenuDllTest, ClosesWithoutAChoiceOnDestroyAndOnDeactivation) {
    HWND list = Open();
    ASSERT_NE(list, nullptr);
    destroy_(owner_.hwnd());
    EXPECT_TRUE(Gone(list));

    list = Open();
    ASSERT_NE(list, nullptr);
    RealPressAt(Row(list, 0));
    RealReleaseAt(Row(list, 4));  // released on another row: no choice
    EXPECT_TRUE(IsWindow(list));
    // A click on the owner activates it, which takes the activation from the list.
    EXPECT_TRUE(RealClickAt(owner_.hwnd(), POINT{390, 10}));
    EXPECT_TRUE(Gone(list));
    EXPECT_TRUE(owner_.Of(SKIN_MENU_CHOICE_MESSAGE).empty());
}

TEST_F(SkinMenuDllTest, RefusesBadArguments) {
    EXPECT_EQ(create_(nullptr, kRowHeight, 0, 0, 0, 0, 0, skins_, items_, 21), 0);
    EXPECT_EQ(create_(owner_.hwnd(), kRowHeight, 0, 0, 0, 0, 0, skins_, items_, 0), 0);
    EXPECT_EQ(create_(owner_.hwnd(), kRowHeight, 0, 0, 0, 0, 0, skins_, items_, SKIN_MENU_MAX_ITEMS + 1), 0);
    EXPECT_EQ(FindWindowW(L"KX90SkinMenu", nullptr), nullptr);
}

}  // namespace
}  // namespace kx90::test
