// Slider and progress bar arithmetic.
#include "core/skin/slider_math.h"

#include <algorithm>

namespace kx90::skin {
namespace {

int Clamp(int value, int minimum, int maximum) {
    return std::max(minimum, std::min(value, maximum));
}

// The maximum a range snaps to near the right end and the threshold q + 1 must pass; 0 when the
// range does not snap.
struct Snap {
    int maximum;
    double threshold;
};
constexpr Snap kSnaps[] = {{3, 2.87}, {5, 4.75}, {10, 9.75}};

}  // namespace

int SliderValueFromClick(int d, int w, int minimum, int maximum) {
    if (w <= 0 || maximum <= minimum) {
        return minimum;  // a degenerate track has only one value
    }
    int value = minimum + d * (maximum - minimum) / w;
    if (minimum == 1) {
        const double q = static_cast<double>(d) * (maximum - minimum) / w;
        for (const Snap& snap : kSnaps) {
            if (maximum == snap.maximum && q + 1 > snap.threshold) {
                value = maximum;
            }
        }
    }
    return Clamp(value, minimum, maximum);
}

int ThumbLeftForValue(int travelLeft, int travelRight, int thumbWidth, int value, int minimum, int maximum) {
    if (maximum <= minimum) {
        return travelLeft;
    }
    value = ValueOrMinimum(value, minimum, maximum);
    return travelLeft + (travelRight - travelLeft - thumbWidth) * (value - minimum) / (maximum - minimum);
}

int SliderValueFromDrag(int thumbLeft, int dx, int travelLeft, int travelRight, int thumbWidth, int minimum,
                        int maximum) {
    const int lastLeft = std::max(travelLeft, travelRight - thumbWidth);
    const int newLeft = Clamp(thumbLeft + dx, travelLeft, lastLeft);
    const int span = travelRight - thumbWidth - travelLeft;
    if (span <= 0 || maximum <= minimum) {
        return minimum;
    }
    return Clamp(minimum + (maximum - minimum) * (newLeft - travelLeft) / span, minimum, maximum);
}

int ProgressValueFromX(int x, int left, int right, int minimum, int maximum) {
    if (right <= left) {
        return minimum;
    }
    x = std::max(x, left);
    return Clamp(minimum + (maximum - minimum) * (x - left) / (right - left), minimum, maximum);
}

int ProgressFillWidth(int width, int position, int minimum, int maximum) {
    if (maximum <= minimum) {
        return 0;
    }
    return Clamp(width * (position - minimum) / (maximum - minimum), 0, width);
}

}  // namespace kx90::skin
