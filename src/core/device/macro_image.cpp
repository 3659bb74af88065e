// Macro image encoder: key events take one word, pauses fold into the key word before them (10 ms
// units, at most 127, never past the byte) or take two words with a coarse unit.
#include "core/device/macro_image.h"

#include <algorithm>

#include "core/buttons/key_tables.h"

namespace kx90 {
namespace {

constexpr uint8_t kKeyDownWord = 0x01;
constexpr uint8_t kKeyUpWord = 0x81;

// Largest pause of each form: 127 units of 10 ms, and 65535 units of 20, 50 and 100 ms.
constexpr uint32_t kMaxShortPauseMs = 1270;
constexpr uint32_t kShortPauseUnitMs = 10;
struct LongPauseForm {
    uint32_t maxMs;
    uint32_t unitMs;
    uint8_t unitCode;
};
constexpr std::array<LongPauseForm, 3> kLongPauseForms{{
    {1310700, 20, 0x01},
    {3276750, 50, 0x02},
    {6553500, 100, 0x03},
}};
constexpr LongPauseForm kFirstPauseForm = kLongPauseForms[2];

class ImageWriter {
public:
    explicit ImageWriter(MacroImage& image) : image_(image) {}

    int WordCount() const { return next_; }
    bool Full(int words) const { return next_ + words > kMacroImageWords; }

    void Header(uint32_t repeatCount) {
        PutWord(0, static_cast<uint8_t>(repeatCount >> 8), static_cast<uint8_t>(repeatCount));
    }

    bool Word(uint8_t high, uint8_t low) {
        if (Full(1)) {
            return false;
        }
        PutWord(next_++, high, low);
        return true;
    }

    bool LongPause(uint8_t unitCode, uint32_t count) {
        if (Full(2)) {
            return false;
        }
        const uint32_t clamped = std::min<uint32_t>(count, 0xFFFF);
        PutWord(next_++, 0x00, unitCode);
        PutWord(next_++, static_cast<uint8_t>(clamped >> 8), static_cast<uint8_t>(clamped));
        return true;
    }

    // Whether 10 ms units added to byte 0 of the word written last keep it within the byte: a
    // release word (0x81) carried past 0xFF would read as a pause marker and the key would stay
    // down. A press (0x01) takes all 127 units and becomes 0x80, which the mouse reads as intended.
    bool CanFoldIntoLastWord(uint32_t units) const {
        return image_[2 * static_cast<size_t>(next_ - 1)] + units <= 0xFF;
    }
    void FoldIntoLastWord(uint32_t units) {
        uint8_t& high = image_[2 * static_cast<size_t>(next_ - 1)];
        high = static_cast<uint8_t>(high + units);
    }

private:
    void PutWord(int index, uint8_t high, uint8_t low) {
        image_[2 * static_cast<size_t>(index)] = high;
        image_[2 * static_cast<size_t>(index) + 1] = low;
    }

    MacroImage& image_;
    int next_ = 1;
};

// Returns false when the image has no room left for the pause (encoding ends there).
bool EncodePause(ImageWriter& writer, uint32_t ms, bool first, bool afterPause) {
    if (first) {
        return writer.LongPause(kFirstPauseForm.unitCode, ms / kFirstPauseForm.unitMs);
    }
    // A short pause right after another pause has no key word of its own to fold into: added to the
    // word before, its units would land in the count of a long pause (or in an empty word), so it
    // becomes a long pause of its own. So does one that would carry its key word past 0xFF.
    if (ms <= kMaxShortPauseMs && !afterPause && writer.CanFoldIntoLastWord(ms / kShortPauseUnitMs)) {
        writer.FoldIntoLastWord(ms / kShortPauseUnitMs);
        return true;
    }
    for (const LongPauseForm& form : kLongPauseForms) {
        if (ms <= form.maxMs) {
            return writer.LongPause(form.unitCode, ms / form.unitMs);
        }
    }
    return writer.Word(0x00, 0x00);  // too long for any form: an empty word
}

}  // namespace

int EncodeMacro(const MacroEventsView& macro, MacroImage& image) {
    image.fill(0);
    ImageWriter writer(image);
    writer.Header(macro.repeatCount);
    bool previousWasPause = false;
    for (size_t i = 0; i < macro.events.size(); ++i) {
        const uint8_t kind = static_cast<uint8_t>(macro.events[i] >> 24);
        const uint32_t value = macro.events[i] & 0xFFFFFF;
        bool fits = true;
        if (kind == kMacroEventKeyDown || kind == kMacroEventKeyUp) {
            const uint8_t usage = VirtualKeyToUsage(static_cast<uint8_t>(value > 0xFF ? 0 : value));
            fits = writer.Word(kind == kMacroEventKeyDown ? kKeyDownWord : kKeyUpWord, usage);
        } else if (kind == kMacroEventPause) {
            fits = EncodePause(writer, value, i == 0, previousWasPause);
        } else {
            fits = writer.Word(0x00, 0x00);
        }
        if (!fits) {
            break;
        }
        previousWasPause = kind == kMacroEventPause;
    }
    return writer.WordCount();
}

}  // namespace kx90
