// Value and position arithmetic of the skinned slider and progress bar (integer, truncating).
#pragma once

namespace kx90::skin {

// Value of a click on a slider track: d pixels right of the track's left edge on a track w pixels
// wide. Ranges starting at 1 that end at 3, 5 or 10 snap to their maximum near the right end, so
// the last step is reachable without hitting the very last pixel. The result is within the range.
int SliderValueFromClick(int d, int w, int minimum, int maximum);

// Left edge of the thumb for a value, in the coordinates of the travel. A value outside the range
// is taken as the minimum.
int ThumbLeftForValue(int travelLeft, int travelRight, int thumbWidth, int value, int minimum, int maximum);

// One drag step: the thumb's left edge was at thumbLeft when the pointer moved dx pixels. Returns
// the value under the limited new left edge (the thumb never leaves the travel).
int SliderValueFromDrag(int thumbLeft, int dx, int travelLeft, int travelRight, int thumbWidth, int minimum,
                        int maximum);

// Progress bar: value at parent x on a bar from left to right, within the range.
int ProgressValueFromX(int x, int left, int right, int minimum, int maximum);

// Progress bar: width of the filled part for a position.
int ProgressFillWidth(int width, int position, int minimum, int maximum);

// A value outside [minimum, maximum] becomes the minimum (the controls' own rule, not clamping).
inline int ValueOrMinimum(int value, int minimum, int maximum) {
    return (value < minimum || value > maximum) ? minimum : value;
}

}  // namespace kx90::skin
