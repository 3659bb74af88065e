// The buttons page in the running main window, pressed with real input: levels, report rate,
// slider, the typed line count, and a function tab through the assignment popup.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/main_window_fixture.h"
#include "core/layout/assignment_popup_layout.h"
#include "support/gui_harness.h"
#include "win/pages/assignment/assignment_popup.h"
#include "win/pages/performance_page.h"
#include "win/skin/dlg_info.h"

namespace kx90::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

class PerformancePageTest : public MainWindowTest {
protected:
    pages::CDlgMainSet& Page() { return *Window().PageOf<pages::CDlgMainSet>(); }
    ProfileRecord& Record() { return State().profiles.LiveRecord(); }

    void Click(HWND control) {
        EXPECT_TRUE(RealClickControl(control));
        PumpFor(milliseconds(50));
    }
};

TEST_F(PerformancePageTest, LevelsFollowTheOneToSevenRule) {
    ASSERT_TRUE(Launch());
    ASSERT_EQ(Record().dpiLevels[6], 4000u) << "the factory profile has seven levels";
    Click(Page().LevelButton(0));  // 500: an eighth level is refused
    EXPECT_EQ(Record().dpiLevels[0], 750u);
    EXPECT_FALSE(Page().View().levels[0]);
    Click(Page().LevelButton(1));  // 750 off
    Click(Page().LevelButton(0));  // 500 on
    const uint32_t expected[14] = {500, 1250, 1500, 2000, 2500, 3500, 4000};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(Record().dpiLevels[i], expected[i]) << "slot " << i;
    }
}

TEST_F(PerformancePageTest, RateSliderAndPrecisionStoreTheirValues) {
    ASSERT_TRUE(Launch());
    Click(Page().RateButton(2));  // 500 Hz
    EXPECT_EQ(Record().reportRate, 2u);
    EXPECT_TRUE(Page().View().rates[2]);
    EXPECT_FALSE(Page().View().rates[3]);

    // The slider's far left end stores 1, never 0.
    RECT track;
    GetClientRect(Page().PointerSpeedSlider(), &track);
    EXPECT_TRUE(RealClickAt(Page().PointerSpeedSlider(), POINT{1, track.bottom / 2}));
    EXPECT_TRUE(PumpUntil([&] { return Record().pointerSpeed == 1; }, seconds(2))) << Record().pointerSpeed;

    const uint32_t before = Record().enhancePrecision;
    Click(Page().ImproveAccuracy());
    EXPECT_EQ(Record().enhancePrecision, before == 1 ? 0u : 1u);
}

TEST_F(PerformancePageTest, ATypedLineCountIsTakenOverByTheTimerAndOneScreenStoresMinusOne) {
    ASSERT_TRUE(Launch());
    Click(Page().LineCountEdit());
    RealKey(VK_END);
    RealKey(VK_BACK);
    RealKey(VK_BACK);
    RealType(L"45");
    Click(Page().LevelButton(3));  // focus leaves the edit (1250 is a level of the factory profile)
    EXPECT_TRUE(PumpUntil([&] { return Record().scrollLines == 30; }, seconds(6))) << Record().scrollLines;
    wchar_t shown[8] = {};
    GetWindowTextW(Page().LineCountEdit(), shown, 8);
    EXPECT_STREQ(shown, L"30");

    Click(Page().ScreenOption());
    EXPECT_EQ(Record().scrollLines, -1);
    EXPECT_FALSE(IsWindowEnabled(Page().LineCountEdit()));
    Click(Page().LinesOption());
    EXPECT_EQ(Record().scrollLines, 30);
}

// A tab click opens the popup for its button; a key combination chosen there marks the tab.
TEST_F(PerformancePageTest, AFunctionTabAssignsAKeyCombinationThroughThePopup) {
    ASSERT_TRUE(Launch());
    ASSERT_FALSE(Page().View().tabChanged[3]);
    std::atomic<bool> answered{false};
    std::thread user([&] {
        HWND popup = nullptr;
        const auto until = std::chrono::steady_clock::now() + seconds(10);
        while (popup == nullptr && std::chrono::steady_clock::now() < until) {
            popup = FindWindowW(nullptr, pages::kAssignmentPopupTitle);
            std::this_thread::sleep_for(milliseconds(20));
        }
        if (popup == nullptr) {
            return;
        }
        std::this_thread::sleep_for(milliseconds(300));
        InjectKey(VK_CONTROL);
        InjectKey('C');
        RECT r;
        GetWindowRect(popup, &r);
        const layout::Rect& ok = layout::assignment_popup::kOkButton;
        InjectClick(POINT{r.left + (ok.left + ok.right) / 2, r.top + (ok.top + ok.bottom) / 2});
        answered = true;
        // Never leave the test thread in the popup's loop.
        std::this_thread::sleep_for(milliseconds(1500));
        if (IsWindow(popup)) {
            PostMessageW(popup, WM_CLOSE, 0, 0);
        }
    });
    Click(Page().FunctionTab(3));
    PumpUntil([&] { return answered.load(); }, seconds(12));
    user.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(Record().buttons[3].functionCode, 5u);
    EXPECT_EQ(Record().buttons[3].keyCode, 0x00060100u);
    EXPECT_TRUE(Page().View().tabChanged[3]);
}

// Without SkinMenu.dll the page says once that the installation is damaged, and stays usable.
TEST_F(PerformancePageTest, AMissingSkinMenuIsToldOnceAndThePageKeepsWorking) {
    DialogAnswerer notice(skin::kInfoDialogTitle, L"OK", IDOK, seconds(15));
    MainWindowSetup setup;
    setup.skinMenuMissing = true;
    ASSERT_TRUE(Launch(setup));
    EXPECT_TRUE(notice.Answered());
    ASSERT_NE(Window().PageOf<pages::CDlgMainSet>(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Page().hwnd()));
    Click(Page().RateButton(0));
    EXPECT_EQ(Record().reportRate, 8u);
}

}  // namespace
}  // namespace kx90::test
