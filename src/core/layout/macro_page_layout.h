// The macro manager page (925 x 452) and its event editor, in page pixels; Chinese place first
// where the two layouts differ.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout::macro_page {

inline constexpr Size kSize{925, 452};

inline constexpr Rect kGroupButton{25, 48, 327, 71};
inline constexpr Rect kMacroList{27, 89, 325, 406};  // list id 256
inline constexpr Rect kNewMacro{26, 412, 67, 441};
inline constexpr Rect kDeleteMacro{77, 412, 139, 441};
inline constexpr Rect kEventList{345, 51, 626, 406};    // list id 257
inline constexpr Rect kRepeatField{852, 87, 892, 102};  // edit 1001

// Hover areas over captions and lists, with their status codes.
inline constexpr CaptionZone kHintAreas[4] = {
    {{{24, 19, 120, 40}, {24, 19, 120, 40}}, 86},
    {{{26, 87, 324, 406}, {26, 87, 324, 406}}, 87},
    {{{340, 19, 427, 39}, {340, 19, 427, 39}}, 88},
    {{{342, 49, 625, 407}, {342, 49, 625, 407}}, 88},
};

// Event editor.
inline constexpr Rect kRecordButton{783, 22, 899, 53};
inline constexpr Rect kNoPauseBox{646, 58, 834, 76};
inline constexpr LocalizedRect kInsertEvent{{361, 412, 391, 441}, {343, 412, 373, 440}};
inline constexpr LocalizedRect kDeleteEvent{{394, 412, 424, 441}, {376, 412, 406, 440}};
inline constexpr LocalizedRect kModifyEvent{{427, 412, 457, 441}, {409, 412, 439, 440}};
inline constexpr LocalizedRect kMouseLeft{{718, 213, 745, 257}, {715, 185, 740, 207}};
inline constexpr LocalizedRect kMouseMiddle{{754, 205, 782, 256}, {756, 166, 780, 189}};
inline constexpr LocalizedRect kMouseRight{{791, 213, 823, 257}, {802, 186, 825, 209}};
inline constexpr LocalizedRect kKeyOption{{644, 340, 757, 357}, {644, 316, 779, 335}};
inline constexpr LocalizedRect kKeyField{{666, 365, 821, 379}, {664, 340, 823, 358}};  // edit 1002
inline constexpr LocalizedRect kKeyOk{{852, 362, 892, 383}, {852, 340, 892, 358}};
inline constexpr LocalizedRect kPauseOption{{644, 389, 768, 405}, {644, 364, 790, 382}};
inline constexpr LocalizedRect kPauseField{{666, 415, 821, 428}, {664, 389, 823, 407}};  // edit 1003
inline constexpr LocalizedRect kPauseOk{{852, 412, 892, 434}, {852, 389, 892, 407}};

}  // namespace kx90::layout::macro_page
