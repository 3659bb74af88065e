// The arithmetic under the skinned controls: slider clicks and drags, thumb and caption placement,
// progress values and the popup menu layout.
#include <gtest/gtest.h>

#include "core/skin/button_math.h"
#include "core/skin/menu_layout.h"
#include "core/skin/slider_math.h"

namespace kx90::skin {
namespace {

TEST(SliderClick, SnapsOnlyTheThreeShortRangesNearTheirRightEnd) {
    struct Row {
        int d, w, minimum, maximum, expected;
        const char* why;
    };
    const Row rows[] = {
        {94, 100, 1, 5, 5, "q + 1 = 4.76 passes 4.75 although 1 + 376 / 100 = 4"},
        {93, 100, 1, 5, 4, "q + 1 = 4.72 stays below"},
        {0, 100, 1, 5, 1, "left end"},
        {97, 100, 1, 10, 9, "q + 1 = 9.73 stays below 9.75"},
        {98, 100, 1, 10, 10, "q + 1 = 9.82 > 9.75"},
        {96, 100, 1, 10, 9, "q + 1 = 9.64 stays at 1 + 864 / 100 = 9"},
        {94, 100, 1, 3, 3, "q + 1 = 2.88 > 2.87"},
        {93, 100, 1, 3, 2, "q + 1 = 2.86"},
        {98, 100, 1, 20, 19, "1..20 never snaps"},
        {98, 100, 0, 10, 9, "0..10 never snaps"},
        {98, 100, 1, 30, 29, "1..30 never snaps"},
        {150, 100, 1, 5, 5, "a click past the track end is limited to the maximum"},
        {-5, 100, 1, 5, 1, "and before its start to the minimum"},
        {50, 0, 1, 5, 1, "an empty track has only its minimum"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SliderValueFromClick(r.d, r.w, r.minimum, r.maximum), r.expected) << r.why;
    }
}

TEST(SliderThumb, OutOfRangeValuesSitAtTheLeftEnd) {
    // Travel 0..110 with a 10-pixel thumb: 100 pixels of travel for the range.
    EXPECT_EQ(ThumbLeftForValue(0, 110, 10, 0, 1, 10), 0) << "SetPos(0) on 1..10 is position 1";
    EXPECT_EQ(ThumbLeftForValue(0, 110, 10, 1, 1, 10), 0);
    EXPECT_EQ(ThumbLeftForValue(0, 110, 10, 10, 1, 10), 100);
    EXPECT_EQ(ThumbLeftForValue(0, 110, 10, 5, 1, 10), 44);
    EXPECT_EQ(ThumbLeftForValue(0, 110, 10, 11, 1, 10), 0) << "above the maximum is the minimum too";
    EXPECT_EQ(ValueOrMinimum(0, 1, 10), 1);
    EXPECT_EQ(ThumbLeftForValue(0, 110, 10, 3, 4, 4), 0) << "an empty range does not divide by zero";
}

TEST(SliderDrag, KeepsTheThumbInsideTheTravel) {
    struct Row {
        int thumbLeft, dx, expected;
    };
    const Row rows[] = {
        {0, 50, 5},     // 1 + 9 * 50 / 100
        {0, 100, 10},   // right end
        {50, 500, 10},  // past the right end stays at the end value
        {50, -500, 1},  // past the left end likewise
        {100, 0, 10},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SliderValueFromDrag(r.thumbLeft, r.dx, 0, 110, 10, 1, 10), r.expected)
            << "thumb at " << r.thumbLeft << " moved " << r.dx;
    }
}

TEST(ProgressBar, ValueAndFillFollowThePointerWithinTheRange) {
    EXPECT_EQ(ProgressValueFromX(35, 35, 295, 0, 100), 0);
    EXPECT_EQ(ProgressValueFromX(165, 35, 295, 0, 100), 50);
    EXPECT_EQ(ProgressValueFromX(10, 35, 295, 0, 100), 0) << "left of the bar";
    EXPECT_EQ(ProgressValueFromX(400, 35, 295, 0, 100), 100) << "right of the bar";
    EXPECT_EQ(ProgressFillWidth(260, 50, 0, 100), 130);
    EXPECT_EQ(ProgressFillWidth(260, 100, 0, 100), 260);
    EXPECT_EQ(ProgressFillWidth(260, 5, 5, 5), 0) << "an empty range fills nothing";
}

TEST(IrrButtonCaption, LongCaptionsCountAsHalfWidth) {
    EXPECT_EQ(IrrCaptionLeft(100, 6), 87);
    EXPECT_EQ(IrrCaptionLeft(100, 5), 75);
    EXPECT_EQ(IrrCaptionLeft(100, 2), 93);
    EXPECT_EQ(IrrCaptionTop(103), 97);
}

TEST(MenuLayout, TwelveLanguagesMake116By273) {
    const bool plain[12] = {};
    const MenuLayout layout = LayOutMenu(plain);
    EXPECT_EQ(layout.size.width, 116);
    EXPECT_EQ(layout.size.height, 273);
    ASSERT_EQ(layout.items.size(), 12u);
    EXPECT_EQ(layout.items[0].top, 6);
    EXPECT_EQ(layout.items[11].bottom, 270);
    EXPECT_EQ(MenuHitTest(layout, plain, {50, 30}), 1);
    EXPECT_EQ(MenuHitTest(layout, plain, {3, 30}), -1) << "left margin";
}

TEST(MenuLayout, SeparatorsAreThinAndNeverHit) {
    const bool entries[] = {false, true, false};
    const MenuLayout layout = LayOutMenu(entries);
    EXPECT_EQ(layout.items[1].top, 30);
    EXPECT_EQ(layout.items[1].bottom, 31);
    EXPECT_EQ(layout.items[2].top, 32);
    EXPECT_EQ(layout.size.height, 32 + 22 + 3);
    EXPECT_EQ(MenuHitTest(layout, entries, {50, 30}), -1);
}

}  // namespace
}  // namespace kx90::skin
