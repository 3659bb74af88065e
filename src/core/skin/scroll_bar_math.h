// Geometry, hit test, drag and skin tiles of the skinned scroll bar, along the bar: a vertical bar
// measures from its top, a horizontal one from its left (swap x and y for it). Pixels, integer
// arithmetic that truncates.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::skin {

// Parts of the bar; each equals the scroll command it sends.
inline constexpr int kScrollPartNone = -1;
inline constexpr int kScrollLineUp = 0;    // up or left arrow
inline constexpr int kScrollLineDown = 1;  // down or right arrow
inline constexpr int kScrollPageUp = 2;    // track before the thumb
inline constexpr int kScrollPageDown = 3;  // track after the thumb
inline constexpr int kScrollThumb = 5;     // the thumb; a drag sends this command (thumb track)
// Sent when a thumb drag ends, with the track position.
inline constexpr int kScrollThumbPosition = 4;

// A bar's scroll state, as the standard scroll-info calls carry it. Positions count from the
// minimum (the program's bars all start at 0).
struct ScrollState {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    int trackPosition = -1;  // during a thumb drag; -1 otherwise
};

// Where the parts lie on a bar of a given length. Every part is [begin, end) along the bar:
//   line up [0, arrow), page up [arrow, ThumbBegin()), thumb [ThumbBegin(), ThumbEnd()),
//   page down [ThumbEnd(), length - arrow), line down [length - arrow, length).
struct ScrollBarGeometry {
    int length = 0;       // L
    int arrow = 0;        // a: the tile size, or L / 2 on a bar of 2 tiles or less
    int track = 0;        // T = max(0, L - 2 t)
    int thumb = 0;        // g: 0 when there is no thumb
    int thumbOffset = 0;  // o: from the end of the first arrow
    int span = 0;         // S = range - page + 1: the positions a drag can reach above the minimum

    constexpr int ThumbBegin() const { return arrow + thumbOffset; }
    constexpr int ThumbEnd() const { return arrow + thumbOffset + thumb; }
};

struct Span {
    int begin = 0;
    int end = 0;  // exclusive
};

// The parts of a bar of the given length and tile size t for a scroll state. The thumb is
// page x T / (range + 1) long, at least 6 pixels, and only exists when there is something to
// scroll (S not 0) and the track is longer than 5 pixels; with page 0 it is 6 pixels. Its offset
// is position x (T - g) / S, or (T - g) / 2 when S is 0; during a drag the track position counts.
// A page outside 0..range + 1 is taken as the nearest end, as the system's scroll bars do.
ScrollBarGeometry LayOutScrollBar(int length, int tile, const ScrollState& state);

// The span of a part; an empty span for kScrollPartNone and unknown codes.
Span ScrollPartSpan(const ScrollBarGeometry& geometry, int part);

// The part at a point along the bar, or kScrollPartNone before the bar and from its end on. The
// empty parts are never hit.
int ScrollBarHitTest(const ScrollBarGeometry& geometry, int offset);

// The position during a thumb drag, offset pixels along the bar from where the drag started at
// startPosition: startPosition + offset x S / (T - g), between the minimum and minimum + S
// (startPosition when the thumb fills the track).
int ScrollDragPosition(const ScrollBarGeometry& geometry, const ScrollState& state, int startPosition,
                       int offset);

// Whether a tick of the auto-repeat timer sends the pressed part's command again, the pointer
// being at pointerOffset: only over the pressed part (moving off suspends the repetition), and not
// once line up is at the minimum or line down at the maximum. A page part stops by itself when the
// thumb reaches the pointer. Line down compares with the maximum, which the position never reaches
// when the page is more than one line: holding the down arrow on the last page keeps sending.
bool ScrollRepeatSendsCommand(int pressedPart, const ScrollState& state, const ScrollBarGeometry& geometry,
                              int pointerOffset);

// The skin bitmap is a grid of t x t tiles, 9 columns by 3 rows: t = its width / 9.
constexpr int ScrollSkinTileSize(int bitmapWidth) {
    return bitmapWidth / 9;
}

// Tile rows: how a part is drawn.
inline constexpr int kSkinRowNormal = 0;
inline constexpr int kSkinRowHover = 1;
inline constexpr int kSkinRowPressed = 2;

// The tile a part is drawn from: columns 0-3 up arrow, down arrow, thumb, track of a vertical bar,
// 4-7 the same of a horizontal one; page up and page down both use the track. An empty rectangle
// for kScrollPartNone and unknown codes.
layout::Rect ScrollSkinTile(int part, bool horizontal, int row, int tile);
// The corner square's tile: column 8, row 1 for a corner at the left, row 0 at the right.
layout::Rect ScrollCornerTile(bool left, int tile);

// The scroll frame around a wrapped window, in the frame's client coordinates.
struct ScrollFrameLayout {
    layout::Rect vertical;    // the vertical skin bar, t wide; empty when there is none
    layout::Rect horizontal;  // the horizontal skin bar, t high; empty when there is none
    layout::Rect corner;      // t x t where both bars meet; empty unless both are there
    int cornerFlag = 0;       // 0 none, 1 corner at the left, 2 at the right
    layout::Rect limit;       // the clipping window the wrapped window lives in
};

// Bars along the right (or, for left scroll bars, the left) edge and the bottom; the clipping
// window is the client area less a tile on the vertical bar's side and at the bottom when the
// horizontal bar shows.
ScrollFrameLayout LayOutScrollFrame(layout::Size client, int tile, bool hasVertical, bool hasHorizontal,
                                    bool leftScrollBar);

}  // namespace kx90::skin
