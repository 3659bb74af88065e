// Caption placement of the shaped buttons.
#pragma once

namespace kx90::skin {

// Left edge of a shaped button's caption: the font is about 6 pixels a character, and captions
// longer than five characters are assumed to be half-width (Latin) text, about 3 pixels each.
constexpr int IrrCaptionLeft(int centerX, int characterCount) {
    return characterCount > 5 ? centerX - 3 * characterCount + 5 : centerX - 6 * characterCount + 5;
}

// Top edge of a shaped button's caption.
constexpr int IrrCaptionTop(int centerY) {
    return centerY - 6;
}

}  // namespace kx90::skin
