// The lighting page (925 x 452), in page pixels; Chinese place first where the two layouts differ.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout::lighting_page {

inline constexpr Size kSize{925, 452};

// The six mode buttons by lighting mode (index 0 is mode 1).
inline constexpr LocalizedRect kModeButtons[6] = {
    {{197, 89, 278, 106}, {196, 86, 301, 104}},    // 1 steady
    {{197, 63, 277, 78}, {196, 56, 286, 76}},      // 2 breathing
    {{368, 36, 481, 52}, {450, 26, 665, 46}},      // 3 breathing with clicks
    {{197, 36, 309, 52}, {197, 28, 407, 47}},      // 4 spectrum cycle
    {{197, 118, 278, 135}, {196, 117, 331, 131}},  // 5 colour cycle
    {{557, 36, 638, 52}, {710, 28, 828, 46}},      // 6 off
};

inline constexpr LocalizedRect kBreathSpeedSlider{{458, 67, 603, 75}, {570, 61, 714, 70}};  // id 778, 1..5
inline constexpr LocalizedRect kBrightnessSlider{{458, 92, 602, 101}, {570, 91, 713, 99}};  // id 777, 1..10
inline constexpr LocalizedRect kMultiColorSwitch{{326, 114, 405, 138}, {342, 112, 488, 137}};
inline constexpr LocalizedRect kMultiColorSwatches[3] = {
    {{431, 114, 456, 139}, {514, 110, 543, 139}},
    {{464, 114, 489, 139}, {547, 110, 576, 139}},
    {{497, 114, 522, 139}, {580, 110, 609, 139}},
};
inline constexpr LocalizedRect kCycleSpeedSlider{{673, 123, 816, 131}, {428, 146, 572, 153}};  // id 779, 1..3
inline constexpr LocalizedRect kProximityOn{{196, 146, 248, 164}, {326, 164, 394, 180}};
inline constexpr LocalizedRect kProximityOff{{324, 147, 375, 163}, {453, 165, 525, 181}};
inline constexpr LocalizedRect kSingleColorSwatch{{171, 206, 196, 232}, {170, 207, 195, 232}};

// Preset swatch k sits in row k / 7, column k % 7; its colour is part of the page picture.
inline constexpr int kPresetCount = 26;
inline constexpr unsigned kPresetColors[kPresetCount] = {
    // COLORREF, 0x00BBGGRR
    0x7E05FA, 0x0012FA, 0x0179F8, 0x00EDF9, 0x09F0C1, 0x00F927, 0x2AA418, 0x93E713, 0xDFE90D,
    0xFAC101, 0xFA8E05, 0xF96F00, 0xF80024, 0xE3185A, 0xE21B7F, 0xE218C1, 0x54FAE6, 0x30B900,
    0x7D63FA, 0x233BC4, 0x1603DE, 0xAD7A17, 0x12B900, 0xC05A4A, 0xEE4E6F, 0xB95401,
};
constexpr LocalizedRect PresetSwatch(int k) {
    const int col = k % 7;
    const int row = k / 7;
    const int c = 40 * col - (col >= 5 ? 1 : 0);
    const int y = 258 + 41 * row;
    return {{140 + c, y - 2, 171 + c, y + 31}, {177 + c, y, 208 + c, y + 32}};
}

inline constexpr LocalizedRect kColorSliders[3] = {
    // ids 769 red, 770 green, 771 blue, 0..255
    {{564, 272, 692, 287}, {571, 279, 698, 287}},
    {{564, 319, 692, 334}, {571, 326, 698, 336}},
    {{564, 354, 692, 379}, {571, 370, 698, 379}},
};
inline constexpr Rect kColorFields[3] = {  // ids 772, 773, 774; always disabled
    {713, 275, 738, 290},
    {713, 323, 738, 338},
    {713, 367, 738, 383}};

// The colour wheel is the ellipse inscribed in this rectangle, painted into the page picture.
inline constexpr Rect kColorWheel{771, 264, 891, 383};

inline constexpr CaptionZone kCaptionZones[6] = {
    {{{21, 25, 176, 50}, {21, 25, 176, 50}}, 75},     {{{21, 138, 171, 167}, {17, 159, 253, 183}}, 80},
    {{{25, 166, 404, 195}, {17, 184, 516, 206}}, 81}, {{{28, 207, 159, 229}, {28, 207, 159, 229}}, 82},
    {{{30, 247, 131, 265}, {30, 247, 131, 265}}, 84}, {{{482, 239, 631, 260}, {482, 239, 631, 260}}, 85},
};

}  // namespace kx90::layout::lighting_page
