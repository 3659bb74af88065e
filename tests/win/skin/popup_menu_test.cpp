// The layered popup menu over real windows: its size for the twelve languages, choices, presses
// released elsewhere, closing on deactivation, and the look without a background picture.
#include <gtest/gtest.h>

#include "skin/skin_fixture.h"
#include "win/resources/resource_ids.h"
#include "win/skin/menu_ex.h"
#include "win/ui/messages.h"

namespace kx90::test {
namespace {

using skin::CMenuEx;
using skin::CMenuExA;

constexpr UINT kItemMessage = WM_APP + 7;
constexpr int kMenuX = 100;
constexpr int kMenuY = 90;

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner_.Open(60, 60, 420, 340, L"KX90 popup owner"));
        owner_.Record(kItemMessage);
    }

    CMenuExA* OpenLanguages(bool withBackground) {
        auto* menu = new CMenuExA;
        if (withBackground) {
            menu->SetBackgroundImage(IDR_POPUP_BACKGROUND);
        }
        if (!menu->CreatePopup(owner_.hwnd(), kMenuX, kMenuY, kMenuX + 10, kMenuY + 10, kItemMessage)) {
            return nullptr;
        }
        popup_ = menu->hwnd();
        PumpFor(std::chrono::milliseconds(50));
        return menu;
    }
    // The middle of item i (0-based) on the screen.
    POINT ItemPoint(const CMenuEx& menu, int i) const {
        const RECT& r = menu.Items()[static_cast<size_t>(i)].rect;
        return ScreenPointOf(popup_, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    bool Closed() {
        return PumpUntil([&] { return !IsWindow(popup_); }, std::chrono::seconds(3));
    }

    HostWindow owner_;
    HWND popup_ = nullptr;
};

TEST_F(PopupMenuTest, ChoosingAnItemReportsItsIdAndClosingReportsZero) {
    CMenuExA* menu = OpenLanguages(true);
    ASSERT_NE(menu, nullptr);
    RECT rc;
    GetWindowRect(popup_, &rc);
    EXPECT_EQ(rc.right - rc.left, 116);
    EXPECT_EQ(rc.bottom - rc.top, 273);
    EXPECT_EQ(rc.left, kMenuX);
    ASSERT_EQ(menu->Items().size(), 12u);

    RealMoveTo(ItemPoint(*menu, 3));
    EXPECT_EQ(menu->HotItem(), 3);
    RealPressAt(ItemPoint(*menu, 3));
    RealReleaseAt(ItemPoint(*menu, 3));
    const auto chosen = owner_.Of(kItemMessage);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].wParam, 0u);
    EXPECT_EQ(chosen[0].lParam, 4) << "Korean is language 4";

    PostMessageW(popup_, WM_CLOSE, 0, 0);  // the owner closes it after a choice
    ASSERT_TRUE(Closed());
    const auto closed = owner_.Of(msg::kPopupClosed);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].wParam, 0u);
    EXPECT_EQ(closed[0].lParam, 0);
}

TEST_F(PopupMenuTest, ClickingOutsideClosesItWithOnlyTheCloseReport) {
    ASSERT_NE(OpenLanguages(true), nullptr);
    ASSERT_EQ(GetActiveWindow(), popup_);
    // A click on the owner activates it, which takes the activation from the popup.
    EXPECT_TRUE(RealClickAt(owner_.hwnd(), POINT{380, 300}));
    ASSERT_TRUE(Closed());
    EXPECT_TRUE(owner_.Of(kItemMessage).empty());
    const auto closed = owner_.Of(msg::kPopupClosed);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].lParam, 0);
}

TEST_F(PopupMenuTest, PressOnOneItemAndReleaseOnAnotherSendsNothing) {
    CMenuExA* menu = OpenLanguages(true);
    ASSERT_NE(menu, nullptr);
    RealMoveTo(ItemPoint(*menu, 1));
    RealPressAt(ItemPoint(*menu, 1));
    RealMoveTo(ItemPoint(*menu, 5));
    EXPECT_EQ(menu->HotItem(), 1) << "the highlight stays while the button is down";
    RealReleaseAt(ItemPoint(*menu, 5));
    EXPECT_NE(menu->HotItem(), 1)
        << "the release clears it (the next move may light the row under the pointer)";
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_TRUE(owner_.Of(kItemMessage).empty());
    EXPECT_TRUE(owner_.Of(msg::kPopupClosed).empty());
    PostMessageW(popup_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Closed());
}

TEST_F(PopupMenuTest, WithoutABackgroundItShowsABlueFrameRoundAWhiteInside) {
    CMenuExA* menu = OpenLanguages(false);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ScreenPixel(POINT{kMenuX, kMenuY + 100}), static_cast<COLORREF>(0xD19300));
    EXPECT_EQ(ScreenPixel(POINT{kMenuX + 2, kMenuY + 3}), static_cast<COLORREF>(0xFFFFFF));
    PostMessageW(popup_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Closed());
}

TEST_F(PopupMenuTest, ScreenshotOfTheLanguageMenu) {
    CMenuExA* menu = OpenLanguages(true);
    ASSERT_NE(menu, nullptr);
    RealMoveTo(ItemPoint(*menu, 1));
    PumpFor(std::chrono::milliseconds(100));
    EXPECT_TRUE(CaptureScreenRectToPng(RECT{kMenuX - 20, kMenuY - 20, kMenuX + 160, kMenuY + 300},
                                       ScreenshotDir() / "popup_language_menu.png"));
    PostMessageW(popup_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace kx90::test
