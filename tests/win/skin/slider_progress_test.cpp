// The slider and the progress bar over real windows: track clicks, thumb drags, positioning from
// SetPos, and the read-only progress bar.
#include <gtest/gtest.h>

#include "skin/skin_fixture.h"
#include "win/skin/png_progress_bar.h"
#include "win/skin/png_slider.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::test {
namespace {

using skin::CPngHProgressBar;
using skin::CPngHSliderBar;

constexpr UINT kSliderId = 0xA00;
// Track at (20, 40)-(130, 52) of the page: 110 pixels, the thumb 10 wide, so 100 pixels of travel.
constexpr RECT kTrack{20, 40, 130, 52};

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host_.Open(60, 60, 300, 120));
        page_ = MakePage(300, 120, kPageColor, RGB(0x2E, 0x33, 0x3B), {RECT{20, 45, 130, 47}});
        const std::wstring thumb = (SkinDir() / "skins" / "Slider.png").wstring();
        ASSERT_TRUE(slider_.CreateSlider(thumb, kTrack.left, kTrack.top, kTrack.right, kTrack.bottom,
                                         host_.hwnd(), kSliderId));
        slider_.SetBackground(kTrack.left, kTrack.top, ui::Width(kTrack), ui::Height(kTrack), page_.get());
        slider_.SetTrackRect(kTrack.left, kTrack.top, kTrack.right, kTrack.bottom);
        ASSERT_EQ(slider_.Thumb().ImageSize().cx, 10) << "the thumb picture drawn for this build";
    }

    int ThumbLeft() {
        RECT rc;
        GetWindowRect(slider_.Thumb().hwnd(), &rc);
        MapWindowPoints(nullptr, slider_.hwnd(), reinterpret_cast<POINT*>(&rc), 2);
        return rc.left;
    }
    std::vector<WPARAM> Values() {
        PumpFor(std::chrono::milliseconds(20));
        std::vector<WPARAM> values;
        for (const auto& r : host_.Of(msg::kSliderValue)) {
            EXPECT_EQ(r.lParam, static_cast<LPARAM>(kSliderId));
            values.push_back(r.wParam);
        }
        host_.Clear();
        return values;
    }

    HostWindow host_;
    ui::UniqueBitmap page_;
    CPngHSliderBar slider_;
};

TEST_F(SliderTest, TrackClicksSnapNearTheRightEndOfShortRanges) {
    slider_.SetRange(1, 5);
    // d is measured from the track rectangle's left edge in page coordinates.
    // Each click lands on the bare track: the thumb is elsewhere at the time.
    EXPECT_TRUE(RealClickAt(slider_.hwnd(), POINT{103, 6}));  // q + 1 = 4.745 stays below
    EXPECT_EQ(Values(), std::vector<WPARAM>{4});
    EXPECT_TRUE(RealClickAt(slider_.hwnd(), POINT{104, 6}));  // 1 + 416 / 110 = 4, but q + 1 = 4.78 > 4.75
    EXPECT_EQ(Values(), std::vector<WPARAM>{5});
    EXPECT_EQ(ThumbLeft(), 100);
    EXPECT_TRUE(RealClickAt(slider_.hwnd(), POINT{10, 6}));  // 1 + 40 / 110
    EXPECT_EQ(Values(), std::vector<WPARAM>{1});
    EXPECT_EQ(ThumbLeft(), 0);

    slider_.EnableInput(false);
    RealClickAt(slider_.hwnd(), POINT{100, 6});
    EXPECT_TRUE(Values().empty()) << "input disabled";
}

TEST_F(SliderTest, SetPosZeroOnOneToTenSitsAtTheLeftEnd) {
    slider_.SetRange(1, 10);
    slider_.SetPos(10);
    EXPECT_EQ(ThumbLeft(), 100);
    slider_.SetPos(0);
    EXPECT_EQ(slider_.GetPos(), 1);
    EXPECT_EQ(ThumbLeft(), 0);
    EXPECT_TRUE(Values().empty()) << "SetPos reports nothing";
}

TEST_F(SliderTest, DraggingPastEitherEndKeepsPostingTheEndValue) {
    slider_.SetRange(1, 10);
    slider_.SetPos(5);
    HWND thumb = slider_.Thumb().hwnd();
    // Each step is measured from the press point on the thumb where the thumb is now (the screen
    // clamps the last one at its left edge, still far past the end of the travel).
    auto fromPress = [&](int dx) { return ScreenPointOf(thumb, POINT{5 + dx, 5}); };
    ASSERT_TRUE(EnsureOnTopAt(thumb, fromPress(0)));
    RealPressAt(fromPress(0));
    RealMoveTo(fromPress(300));
    RealMoveTo(fromPress(40));
    EXPECT_EQ(Values(), (std::vector<WPARAM>{10, 10}));
    EXPECT_EQ(ThumbLeft(), 100);
    const POINT farLeft = fromPress(-400);
    RealMoveTo(farLeft);
    RealReleaseAt(farLeft);
    EXPECT_EQ(Values(), std::vector<WPARAM>{1});
    EXPECT_EQ(ThumbLeft(), 0);
}

TEST(ProgressBar, ReadOnlyIgnoresTheMouseAndAnInteractiveBarReportsTheDragEnd) {
    HostWindow host;
    ASSERT_TRUE(host.Open(60, 60, 330, 90));
    const auto background =
        ui::LoadSkinBitmap((SkinDir() / "skins" / "ProgressBar" / "Progress_Normal.png").wstring());
    const auto fill =
        ui::LoadSkinBitmap((SkinDir() / "skins" / "ProgressBar" / "Progress_Over.png").wstring());
    ASSERT_EQ(background.size.cx, 330) << "PNG through LoadSkinBitmap";
    CPngHProgressBar bar;
    ASSERT_TRUE(bar.CreateProgress(RECT{35, 47, 295, 56}, host.hwnd(), 777));
    bar.SetImages(35, 47, 260, 9, background.bitmap.get(), fill.bitmap.get());
    bar.SetRange(0, 100);
    bar.SetPos(40);
    PumpFor(std::chrono::milliseconds(20));
    EXPECT_NE(WindowPixel(bar.hwnd(), POINT{50, 4}), WindowPixel(bar.hwnd(), POINT{200, 4}))
        << "filled to 40 %";

    bar.SetReadOnly(true);
    ASSERT_TRUE(EnsureOnTopAt(bar.hwnd(), ScreenPointOf(bar.hwnd(), POINT{200, 4})));
    RealPressAt(ScreenPointOf(bar.hwnd(), POINT{200, 4}));
    RealMoveTo(ScreenPointOf(bar.hwnd(), POINT{230, 4}));
    RealReleaseAt(ScreenPointOf(bar.hwnd(), POINT{230, 4}));
    PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(bar.GetPos(), 40);
    EXPECT_TRUE(host.Of(msg::kProgressBarValue).empty());

    bar.SetReadOnly(false);
    EXPECT_TRUE(RealClickAt(bar.hwnd(), POINT{130, 4}));
    PumpFor(std::chrono::milliseconds(20));
    const auto reports = host.Of(msg::kProgressBarValue);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].wParam, 50u);
    EXPECT_EQ(reports[0].lParam, 777);
    bar.SetPos(150);
    EXPECT_EQ(bar.GetPos(), 0) << "a value outside the range becomes the minimum";
}

}  // namespace
}  // namespace kx90::test
