// The statistics page (925 x 452), in page pixels.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout::statistics_page {

inline constexpr Size kSize{925, 452};

// The large trophy; its pictures skins\trophy\trophy<level>Down.bmp (level 0..12) are of this
// rectangle's size.
inline constexpr Rect kTrophy{309, 0, 607, 451};
inline constexpr int kTrophyLevels = 13;

// The level bar grows from the left edge of this rectangle, kLevelBarWidth pixels at level 12.
inline constexpr Rect kLevelBarCreated{630, 62, 901, 74};
inline constexpr Rect kLevelBar{631, 62, 904, 77};
inline constexpr int kLevelBarWidth = 273;

// Small trophy mark i sits in row i / 5, column i % 5.
constexpr Rect TrophyMark(int i) {
    const int col = i % 5;
    const int rows[3] = {132, 190, 248};
    const int y = rows[i / 5];
    return {647 + 50 * col, y, 690 + 50 * col, y + 50};
}

inline constexpr Rect kResetButton{703, 379, 832, 410};

// The figures are drawn right-aligned in these rows, between kFigureLeft and kFigureRight.
enum Figure {
    kLeft,
    kMiddle,
    kRight,
    kClicksTotal,
    kWheelUp,
    kWheelDown,
    kWheelTotal,
    kTravel,
    kFigureCount
};
struct FigureRow {
    int top;
    int bottom;
};
inline constexpr FigureRow kFigureRows[kFigureCount] = {
    {85, 106}, {119, 139}, {152, 172}, {183, 203}, {250, 270}, {284, 304}, {319, 339}, {384, 404},
};
inline constexpr int kFigureLeft = 152;   // other languages; Chinese 167 (travel 187)
inline constexpr int kFigureRight = 227;  // other languages; Chinese 242 (travel 262)
inline constexpr int kChineseFigureLeft = 167;
inline constexpr int kChineseTravelLeft = 187;  // the Chinese caption of the travel row is wider
inline constexpr int kFigureWidth = kFigureRight - kFigureLeft;

// The text rectangle of a figure in the Chinese or the other layout.
constexpr Rect FigureRect(int figure, bool chinese) {
    const FigureRow& row = kFigureRows[figure];
    const int left = !chinese ? kFigureLeft : (figure == kTravel ? kChineseTravelLeft : kChineseFigureLeft);
    return {left, row.top, left + kFigureWidth, row.bottom};
}

}  // namespace kx90::layout::statistics_page
