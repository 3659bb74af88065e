// Where the main window's own controls sit, in window pixels. The skin generator draws the main
// window's pictures from the same table, so faces always lie under their buttons.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout::main_window {

inline constexpr Size kWindowSize{960, 650};

inline constexpr Rect kMinimizeButton{887, 2, 921, 33};
inline constexpr Rect kCloseButton{922, 2, 956, 33};
inline constexpr Rect kLanguageButton{15, 617, 57, 635};
inline constexpr Point kLanguageFlagAt{19, 592};
inline constexpr Size kLanguageFlagSize{36, 23};
inline constexpr Rect kStatusText{67, 598, 300, 628};
inline constexpr Point kPageAt{15, 128};
inline constexpr Size kPageSize{925, 452};

inline constexpr Quad kTabs[5] = {
    {{{30, 85}, {189, 85}, {210, 121}, {30, 121}}},   {{{193, 85}, {375, 85}, {396, 121}, {214, 121}}},
    {{{377, 85}, {559, 85}, {579, 121}, {399, 121}}}, {{{562, 85}, {743, 85}, {764, 121}, {583, 121}}},
    {{{747, 85}, {928, 85}, {928, 121}, {768, 121}}},
};

inline constexpr Quad kProfiles[5] = {
    {{{342, 608}, {435, 608}, {414, 635}, {321, 635}}}, {{{439, 608}, {533, 608}, {512, 635}, {417, 635}}},
    {{{536, 608}, {628, 608}, {605, 635}, {513, 635}}}, {{{630, 608}, {723, 608}, {700, 635}, {607, 635}}},
    {{{725, 608}, {818, 608}, {795, 635}, {703, 635}}},
};

inline constexpr Quad kApply{{{841, 591}, {940, 591}, {940, 632}, {806, 632}}};

}  // namespace kx90::layout::main_window
