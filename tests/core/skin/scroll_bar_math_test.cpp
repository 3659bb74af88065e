// The skinned scroll bar's arithmetic: parts of short and long bars, the thumb's size and place,
// the hit test at every boundary, the thumb drag, auto-repeat, skin tiles and the frame.
#include <gtest/gtest.h>

#include "core/skin/scroll_bar_math.h"

namespace kx90::skin {
namespace {

ScrollState State(int maximum, int page, int position, int trackPosition = -1) {
    return {0, maximum, page, position, trackPosition};
}

TEST(ScrollBarGeometry, ArrowsTrackAndThumb) {
    struct Row {
        int length, tile;
        ScrollState state;
        int arrow, track, thumb, offset, span;
        const char* why;
    };
    const Row rows[] = {
        {100, 10, State(99, 10, 0), 10, 80, 8, 0, 90, "10 of 100 lines: 8 pixels, thumb at the top"},
        {100, 10, State(99, 10, 90), 10, 80, 8, 72, 90, "last page: the thumb ends at the track's end"},
        {100, 10, State(99, 10, 45), 10, 80, 8, 36, 90, "half way"},
        {100, 10, State(99, 10, 45, 90), 10, 80, 8, 72, 90, "during a drag the track position counts"},
        {100, 10, State(999, 10, 0), 10, 80, 6, 0, 990, "a tiny thumb grows to 6 pixels"},
        {100, 10, State(9, 0, 5), 10, 80, 6, 37, 10, "page 0: a 6-pixel thumb"},
        {100, 10, State(9, 10, 0), 10, 80, 0, 40, 0, "everything in view: no thumb, the track split in two"},
        {100, 10, State(9, 50, 0), 10, 80, 0, 40, 0, "a page beyond the range counts as the whole range"},
        {20, 10, State(99, 10, 0), 10, 0, 0, 0, 90, "2t: arrows of L / 2 and no thumb"},
        {15, 10, State(99, 10, 0), 7, 0, 0, 0, 90, "less than 2t: arrows of L / 2"},
        {25, 10, State(99, 10, 50), 10, 5, 0, 2, 90, "a 5-pixel track has no thumb"},
        {26, 10, State(99, 10, 0), 10, 6, 6, 0, 90, "a 6-pixel track has one"},
        {100, 10, State(99, 10, 500), 10, 80, 8, 72, 90, "a position past the end keeps the thumb inside"},
        {100, 10, State(2000000000, 1000000000, 0), 10, 80, 39, 0, 1000000001, "no overflow on huge ranges"},
    };
    for (const Row& r : rows) {
        const ScrollBarGeometry g = LayOutScrollBar(r.length, r.tile, r.state);
        EXPECT_EQ(g.arrow, r.arrow) << r.why;
        EXPECT_EQ(g.track, r.track) << r.why;
        EXPECT_EQ(g.thumb, r.thumb) << r.why;
        EXPECT_EQ(g.thumbOffset, r.offset) << r.why;
        EXPECT_EQ(g.span, r.span) << r.why;
    }
}

TEST(ScrollBarHitTest, EveryBoundary) {
    // Thumb at 10 + 36 = 46 to 54.
    const ScrollBarGeometry g = LayOutScrollBar(100, 10, State(99, 10, 45));
    ASSERT_EQ(g.ThumbBegin(), 46);
    ASSERT_EQ(g.ThumbEnd(), 54);
    const std::pair<int, int> rows[] = {
        {-1, kScrollPartNone}, {0, kScrollLineUp},    {9, kScrollLineUp},    {10, kScrollPageUp},
        {45, kScrollPageUp},   {46, kScrollThumb},    {53, kScrollThumb},    {54, kScrollPageDown},
        {89, kScrollPageDown}, {90, kScrollLineDown}, {99, kScrollLineDown}, {100, kScrollPartNone},
    };
    for (const auto& [offset, part] : rows) {
        EXPECT_EQ(ScrollBarHitTest(g, offset), part) << "at " << offset;
    }
}

TEST(ScrollBarHitTest, ShortBarsAndEmptyParts) {
    const ScrollBarGeometry two = LayOutScrollBar(20, 10, State(99, 10, 0));
    EXPECT_EQ(ScrollBarHitTest(two, 9), kScrollLineUp);
    EXPECT_EQ(ScrollBarHitTest(two, 10), kScrollLineDown);
    // An odd length leaves the pixel between the two halves to page down.
    const ScrollBarGeometry odd = LayOutScrollBar(15, 10, State(99, 10, 0));
    EXPECT_EQ(ScrollBarHitTest(odd, 6), kScrollLineUp);
    EXPECT_EQ(ScrollBarHitTest(odd, 7), kScrollPageDown);
    EXPECT_EQ(ScrollBarHitTest(odd, 8), kScrollLineDown);
    // Thumb at the very top: no page up, and no thumb part when there is no thumb.
    const ScrollBarGeometry top = LayOutScrollBar(100, 10, State(99, 10, 0));
    EXPECT_EQ(ScrollBarHitTest(top, 10), kScrollThumb);
    const ScrollBarGeometry all = LayOutScrollBar(100, 10, State(9, 10, 0));
    EXPECT_EQ(ScrollBarHitTest(all, 49), kScrollPageUp);
    EXPECT_EQ(ScrollBarHitTest(all, 50), kScrollPageDown);
    EXPECT_EQ(ScrollPartSpan(all, kScrollThumb).begin, ScrollPartSpan(all, kScrollThumb).end);
    EXPECT_EQ(ScrollPartSpan(all, kScrollThumbPosition).end, 0) << "not a part";
}

TEST(ScrollBarDrag, MovesByTheSpanOverTheFreeTrackWithinTheRange) {
    const ScrollState state = State(99, 10, 45);
    const ScrollBarGeometry g = LayOutScrollBar(100, 10, state);  // S 90, T - g 72
    const std::pair<int, int> rows[] = {
        {0, 45}, {10, 57}, {-10, 33}, {72, 90}, {-100, 0}, {1000, 90}, {1, 46}, {-1, 44},
    };
    for (const auto& [offset, position] : rows) {
        EXPECT_EQ(ScrollDragPosition(g, state, 45, offset), position) << "moved " << offset;
    }
    const ScrollBarGeometry noRoom = LayOutScrollBar(20, 10, state);
    EXPECT_EQ(ScrollDragPosition(noRoom, state, 45, 30), 45) << "no free track: the start position";
}

TEST(ScrollBarRepeat, StopsAtTheEndsAndWhereThePointerIs) {
    // Last page of 100 lines, 10 a page: the position stops at 90, below the maximum 99.
    const ScrollState lastPage = State(99, 10, 90);
    const ScrollBarGeometry g = LayOutScrollBar(100, 10, lastPage);
    EXPECT_TRUE(ScrollRepeatSendsCommand(kScrollLineDown, lastPage, g, 95))
        << "holding the down arrow on the last page keeps sending";
    EXPECT_FALSE(ScrollRepeatSendsCommand(kScrollLineDown, lastPage, g, 50)) << "pointer moved off the arrow";
    const ScrollState atMaximum = State(99, 0, 99);
    EXPECT_FALSE(
        ScrollRepeatSendsCommand(kScrollLineDown, atMaximum, LayOutScrollBar(100, 10, atMaximum), 95));

    const ScrollState first = State(99, 10, 0);
    const ScrollBarGeometry top = LayOutScrollBar(100, 10, first);
    EXPECT_FALSE(ScrollRepeatSendsCommand(kScrollLineUp, first, top, 5)) << "line up at the minimum";
    EXPECT_TRUE(ScrollRepeatSendsCommand(kScrollPageDown, first, top, 80));
    EXPECT_FALSE(ScrollRepeatSendsCommand(kScrollPageDown, first, top, 12))
        << "the thumb reached the pointer";
    EXPECT_FALSE(ScrollRepeatSendsCommand(kScrollPartNone, first, top, 80));
}

TEST(ScrollBarSkin, TilesAndFrame) {
    EXPECT_EQ(ScrollSkinTileSize(108), 12);
    const struct {
        int part;
        bool horizontal;
        int row;
        layout::Rect tile;
    } rows[] = {
        {kScrollLineUp, false, kSkinRowNormal, {0, 0, 12, 12}},
        {kScrollThumb, false, kSkinRowPressed, {24, 24, 36, 36}},
        {kScrollPageUp, false, kSkinRowHover, {36, 12, 48, 24}},
        {kScrollPageDown, true, kSkinRowHover, {84, 12, 96, 24}},
        {kScrollLineDown, true, kSkinRowNormal, {60, 0, 72, 12}},
        {kScrollPartNone, false, kSkinRowNormal, {}},
    };
    for (const auto& r : rows) {
        const layout::Rect t = ScrollSkinTile(r.part, r.horizontal, r.row, 12);
        EXPECT_TRUE(t.left == r.tile.left && t.top == r.tile.top && t.right == r.tile.right &&
                    t.bottom == r.tile.bottom)
            << "part " << r.part << " horizontal " << r.horizontal << ": " << t.left << "," << t.top;
    }
    EXPECT_EQ(ScrollCornerTile(true, 12).top, 12);
    EXPECT_EQ(ScrollCornerTile(false, 12).left, 96);

    const ScrollFrameLayout right = LayOutScrollFrame({200, 100}, 10, true, true, false);
    EXPECT_EQ(right.cornerFlag, 2);
    EXPECT_EQ(right.vertical.left, 190);
    EXPECT_EQ(right.vertical.bottom, 90);
    EXPECT_EQ(right.horizontal.right, 190);
    EXPECT_EQ(right.corner.left, 190);
    EXPECT_EQ(right.limit.right, 190);
    EXPECT_EQ(right.limit.bottom, 90);
    const ScrollFrameLayout left = LayOutScrollFrame({200, 100}, 10, true, true, true);
    EXPECT_EQ(left.cornerFlag, 1);
    EXPECT_EQ(left.vertical.right, 10);
    EXPECT_EQ(left.horizontal.left, 10);
    EXPECT_EQ(left.corner.right, 10);
    EXPECT_EQ(left.limit.left, 10);
    const ScrollFrameLayout list = LayOutScrollFrame({372, 171}, 12, true, false, false);
    EXPECT_EQ(list.cornerFlag, 0);
    EXPECT_EQ(list.vertical.bottom, 171);
    EXPECT_EQ(list.horizontal.Width(), 0);
    EXPECT_EQ(list.corner.Width(), 0);
    EXPECT_EQ(list.limit.right, 360);
    EXPECT_EQ(list.limit.bottom, 171);
}

}  // namespace
}  // namespace kx90::skin
