// Skinned scroll bar arithmetic: parts, hit test, drag, auto-repeat, skin tiles and the frame.
#include "core/skin/scroll_bar_math.h"

#include <algorithm>
#include <cstdint>

namespace kx90::skin {
namespace {

constexpr int kMinThumb = 6;
constexpr int kSkinColumns = 9;
constexpr int kCornerColumn = 8;

// Products of a range and a length can pass 2^31 on long lists: 64-bit, then back.
int MulDiv(int64_t a, int64_t b, int64_t c) {
    return static_cast<int>(a * b / c);
}

}  // namespace

ScrollBarGeometry LayOutScrollBar(int length, int tile, const ScrollState& state) {
    ScrollBarGeometry g;
    g.length = std::max(0, length);
    g.arrow = g.length - 2 * tile > 0 ? tile : g.length / 2;
    g.track = std::max(0, g.length - 2 * tile);

    // A range the int fields cannot hold (minimum near INT_MIN, maximum near INT_MAX) is cut so
    // that S still fits.
    const int64_t range = std::clamp<int64_t>(int64_t{state.maximum} - state.minimum, 0, INT32_MAX - 1);
    const int64_t page = std::clamp<int64_t>(state.page, 0, range + 1);
    const int64_t span = range - page + 1;
    g.span = static_cast<int>(span);

    if (span != 0 && g.track > 5) {
        g.thumb = std::max(kMinThumb, MulDiv(page, g.track, range + 1));
    }
    const int free = g.track - g.thumb;
    if (span != 0) {
        const int p = state.trackPosition >= 0 ? state.trackPosition : state.position;
        const int64_t fromMinimum = std::clamp<int64_t>(int64_t{p} - state.minimum, 0, span);
        g.thumbOffset = MulDiv(fromMinimum, free, span);
    } else {
        g.thumbOffset = free / 2;
    }
    return g;
}

Span ScrollPartSpan(const ScrollBarGeometry& g, int part) {
    switch (part) {
        case kScrollLineUp:
            return {0, g.arrow};
        case kScrollPageUp:
            return {g.arrow, g.ThumbBegin()};
        case kScrollThumb:
            return {g.ThumbBegin(), g.ThumbEnd()};
        case kScrollPageDown:
            return {g.ThumbEnd(), g.length - g.arrow};
        case kScrollLineDown:
            return {g.length - g.arrow, g.length};
        default:
            return {};
    }
}

int ScrollBarHitTest(const ScrollBarGeometry& g, int offset) {
    for (const int part : {kScrollLineUp, kScrollPageUp, kScrollThumb, kScrollPageDown, kScrollLineDown}) {
        const Span s = ScrollPartSpan(g, part);
        if (offset >= s.begin && offset < s.end) {
            return part;
        }
    }
    return kScrollPartNone;
}

int ScrollDragPosition(const ScrollBarGeometry& g, const ScrollState& state, int startPosition, int offset) {
    const int free = g.track - g.thumb;
    if (free <= 0) {
        return startPosition;
    }
    const int64_t moved = int64_t{startPosition} + int64_t{offset} * g.span / free;
    return static_cast<int>(std::clamp<int64_t>(moved, state.minimum, int64_t{state.minimum} + g.span));
}

bool ScrollRepeatSendsCommand(int pressedPart, const ScrollState& state, const ScrollBarGeometry& g,
                              int pointerOffset) {
    if (pressedPart == kScrollPartNone || ScrollBarHitTest(g, pointerOffset) != pressedPart) {
        return false;
    }
    switch (pressedPart) {
        case kScrollLineUp:
            return state.position != state.minimum;
        case kScrollLineDown:
            return state.position != state.maximum;
        default:
            return true;
    }
}

layout::Rect ScrollSkinTile(int part, bool horizontal, int row, int tile) {
    int column = 0;
    switch (part) {
        case kScrollLineUp:
            column = 0;
            break;
        case kScrollLineDown:
            column = 1;
            break;
        case kScrollThumb:
            column = 2;
            break;
        case kScrollPageUp:
        case kScrollPageDown:
            column = 3;
            break;
        default:
            return {};
    }
    column += horizontal ? 4 : 0;
    static_assert(kCornerColumn == kSkinColumns - 1);
    return {column * tile, row * tile, (column + 1) * tile, (row + 1) * tile};
}

layout::Rect ScrollCornerTile(bool left, int tile) {
    const int row = left ? 1 : 0;
    return {kCornerColumn * tile, row * tile, (kCornerColumn + 1) * tile, (row + 1) * tile};
}

ScrollFrameLayout LayOutScrollFrame(layout::Size client, int tile, bool hasVertical, bool hasHorizontal,
                                    bool leftScrollBar) {
    ScrollFrameLayout f;
    const int w = client.width;
    const int h = client.height;
    const int barsBottom = hasHorizontal ? h - tile : h;  // where the vertical bar and the limit end
    if (hasVertical) {
        f.vertical =
            leftScrollBar ? layout::Rect{0, 0, tile, barsBottom} : layout::Rect{w - tile, 0, w, barsBottom};
    }
    if (hasHorizontal) {
        const int left = hasVertical && leftScrollBar ? tile : 0;
        const int right = hasVertical && !leftScrollBar ? w - tile : w;
        f.horizontal = {left, h - tile, right, h};
    }
    if (hasVertical && hasHorizontal) {
        f.cornerFlag = leftScrollBar ? 1 : 2;
        f.corner =
            leftScrollBar ? layout::Rect{0, h - tile, tile, h} : layout::Rect{w - tile, h - tile, w, h};
    }
    f.limit = {hasVertical && leftScrollBar ? tile : 0, 0, hasVertical && !leftScrollBar ? w - tile : w,
               barsBottom};
    return f;
}

}  // namespace kx90::skin
