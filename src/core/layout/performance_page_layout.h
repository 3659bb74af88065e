// The buttons-and-performance page (925 x 452), in page pixels. The page's pictures are drawn from
// these tables and the page places its controls with them.
#pragma once

#include <algorithm>

#include "core/layout/geometry.h"

namespace kx90::layout::performance_page {

inline constexpr Size kSize{925, 452};

// Sensitivity levels in button order; the numbers are part of the page picture.
inline constexpr int kLevelValues[14] = {500,  750,  1000, 1250, 1500, 2000, 2500,
                                         3000, 3250, 3500, 4000, 5000, 6000, 7000};
inline constexpr Rect kLevelButtons[14] = {
    {69, 66, 109, 78},   {140, 66, 184, 78},  {206, 66, 251, 79},  {277, 66, 321, 78},  {347, 66, 394, 78},
    {415, 66, 464, 80},  {486, 66, 534, 80},  {68, 90, 116, 103},  {139, 91, 186, 104}, {205, 91, 254, 103},
    {276, 91, 323, 104}, {346, 91, 393, 103}, {415, 90, 461, 104}, {485, 90, 530, 104},
};

inline constexpr Rect kPointerSpeedSlider{104, 167, 293, 179};  // id 0xA00, 1..20
inline constexpr Rect kImproveAccuracy{68, 203, 178, 219};
inline constexpr Rect kLiftHeightSlider{422, 167, 624, 179};  // id 0xA02, 1..30

inline constexpr int kReportRates[4] = {125, 250, 500, 1000};
inline constexpr Rect kRateButtons[4] = {
    {67, 303, 120, 317}, {134, 303, 190, 317}, {201, 303, 261, 317}, {271, 303, 331, 317}};

inline constexpr LocalizedRect kLinesOption{{406, 331, 558, 345}, {406, 331, 669, 347}};
inline constexpr LocalizedRect kLineCountEdit{{574, 333, 590, 358}, {550, 355, 573, 377}};  // id 2563
inline constexpr LocalizedRect kLinesUp{{594, 330, 607, 340}, {573, 350, 588, 361}};
inline constexpr LocalizedRect kLinesDown{{594, 341, 607, 350}, {573, 361, 588, 372}};
inline constexpr LocalizedRect kScreenOption{{406, 361, 527, 375}, {406, 375, 672, 393}};

// The markers on the mouse picture, by button index (left, middle, right, forward, back, wheel up,
// wheel down).
inline constexpr Rect kButtonMarkers[7] = {
    {761, 144, 784, 169}, {793, 155, 821, 179}, {827, 145, 854, 170}, {722, 205, 747, 229},
    {728, 241, 753, 262}, {794, 125, 820, 152}, {794, 181, 820, 206},
};

// The function tabs, one per button index, shaped buttons between y = 408 and 441.
inline constexpr Quad kFunctionTabs[7] = {
    {{{19, 408}, {127, 408}, {95, 441}, {19, 441}}},    {{{130, 408}, {214, 408}, {182, 441}, {98, 441}}},
    {{{218, 408}, {302, 408}, {270, 441}, {186, 441}}}, {{{306, 408}, {389, 408}, {357, 441}, {274, 441}}},
    {{{393, 408}, {476, 408}, {444, 441}, {361, 441}}}, {{{481, 408}, {581, 408}, {549, 441}, {449, 441}}},
    {{{586, 408}, {692, 408}, {660, 441}, {554, 441}}},
};

// The strip the function tabs lie in, with a pixel to spare on every side: their pictures
// (normal, changed, hover, per language) are drawn only this big.
inline constexpr Rect kFunctionTabStrip = [] {
    Rect strip = kFunctionTabs[0].Bounds();
    for (const Quad& tab : kFunctionTabs) {
        const Rect b = tab.Bounds();
        strip = {std::min(b.left, strip.left), std::min(b.top, strip.top), std::max(b.right, strip.right),
                 std::max(b.bottom, strip.bottom)};
    }
    return Rect{strip.left - 1, strip.top - 1, strip.right + 1, strip.bottom + 1};
}();

inline constexpr CaptionZone kCaptionZones[6] = {
    {{{40, 27, 176, 49}, {40, 27, 176, 49}}, 61},       {{{29, 127, 288, 157}, {29, 127, 288, 157}}, 13},
    {{{372, 129, 568, 154}, {372, 129, 568, 154}}, 62}, {{{30, 262, 208, 287}, {30, 262, 208, 287}}, 63},
    {{{374, 263, 661, 287}, {374, 263, 661, 287}}, 64}, {{{29, 366, 205, 395}, {29, 366, 205, 395}}, 65},
};

}  // namespace kx90::layout::performance_page
