// Macro image encoding: key words, folded and long pauses, the header and a full image.
#include "core/device/macro_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx90 {
namespace {

uint32_t Down(uint32_t vk) { return MakeMacroEvent(kMacroEventKeyDown, vk); }
uint32_t Up(uint32_t vk) { return MakeMacroEvent(kMacroEventKeyUp, vk); }
uint32_t Pause(uint32_t ms) { return MakeMacroEvent(kMacroEventPause, ms); }

struct Encoded {
    std::vector<uint8_t> bytes;  // the image up to the word count
    int words;
};
Encoded Encode(std::vector<uint32_t> events, uint32_t repeat = 1) {
    MacroImage image;
    image.fill(0xEE);  // the encoder must clear it
    const int words = EncodeMacro({events, repeat}, image);
    return {std::vector<uint8_t>(image.begin(), image.begin() + 2 * words), words};
}

TEST(MacroImage, EncodesEachFormOfEventAndPause) {
    struct Row {
        const char* what;
        std::vector<uint32_t> events;
        std::vector<uint8_t> expected;  // words after the header
    };
    const Row rows[] = {
        {"worked example: 100 ms folds into the press, 2000 ms is 100 x 20 ms",
         {Down(0x41), Pause(100), Up(0x41), Pause(2000), Down(0x42)},
         {0x0B, 0x04, 0x81, 0x04, 0x00, 0x01, 0x00, 0x64, 0x01, 0x05}},
        {"a first pause is counted in 100 ms units", {Pause(500)}, {0x00, 0x03, 0x00, 0x05}},
        {"1270 ms is the longest folded pause", {Down(0x41), Pause(1270)}, {0x80, 0x04}},
        {"a release takes up to 1260 ms: 0x81 + 126 is the last byte below the carry",
         {Up(0x41), Pause(1260)}, {0xFF, 0x04}},
        {"1270 ms would carry the release past 0xFF: a long pause of its own",
         {Up(0x41), Pause(1270)}, {0x81, 0x04, 0x00, 0x01, 0x00, 0x3F}},
        {"the release stays a release when a key follows the unfoldable pause",
         {Down(0x41), Up(0x41), Pause(1270), Down(0x42)},
         {0x01, 0x04, 0x81, 0x04, 0x00, 0x01, 0x00, 0x3F, 0x01, 0x05}},
        {"1271 ms needs 20 ms units", {Down(0x41), Pause(1271)}, {0x01, 0x04, 0x00, 0x01, 0x00, 0x3F}},
        {"1310700 ms is 65535 x 20 ms", {Down(0x41), Pause(1310700)}, {0x01, 0x04, 0x00, 0x01, 0xFF, 0xFF}},
        {"1310701 ms needs 50 ms units", {Down(0x41), Pause(1310701)}, {0x01, 0x04, 0x00, 0x02, 0x66, 0x66}},
        {"3276751 ms needs 100 ms units", {Down(0x41), Pause(3276751)}, {0x01, 0x04, 0x00, 0x03, 0x7F, 0xFF}},
        {"6553501 ms fits no form: an empty word", {Down(0x41), Pause(6553501)}, {0x01, 0x04, 0x00, 0x00}},
        {"mouse buttons and unknown keys", {Down(0x01), Down(0x02), Down(0x04), Down(0x10), Down(0x141)},
         {0x01, 0xF0, 0x01, 0xF1, 0x01, 0xF2, 0x01, 0x00, 0x01, 0x00}},
        {"an unknown kind is an empty word", {Down(0x41), MakeMacroEvent(0x55, 7)}, {0x01, 0x04, 0x00, 0x00}},
        {"a short pause after a long one is a long pause of its own",
         {Down(0x41), Pause(2000), Pause(100)}, {0x01, 0x04, 0x00, 0x01, 0x00, 0x64, 0x00, 0x01, 0x00, 0x05}},
        {"two short pauses in a row do not overflow the key word",
         {Down(0x41), Pause(1000), Pause(1000)}, {0x65, 0x04, 0x00, 0x01, 0x00, 0x32}},
        {"a short pause after an over-long one does not land in the empty word",
         {Down(0x41), Pause(7000000), Pause(40)}, {0x01, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02}},
    };
    for (const Row& row : rows) {
        const Encoded e = Encode(row.events);
        std::vector<uint8_t> expected{0x00, 0x01};
        expected.insert(expected.end(), row.expected.begin(), row.expected.end());
        EXPECT_EQ(e.bytes, expected) << row.what;
        EXPECT_EQ(e.words, static_cast<int>(expected.size() / 2)) << row.what;
    }
}

TEST(MacroImage, HeaderCarriesTheLow16BitsOfTheRepeatCountBigEndian) {
    const std::pair<uint32_t, std::vector<uint8_t>> rows[] = {
        {0xFFFE, {0xFF, 0xFE}}, {65533, {0xFF, 0xFD}}, {0x12345, {0x23, 0x45}}, {0, {0x00, 0x00}}};
    for (const auto& [repeat, header] : rows) {
        const Encoded e = Encode({}, repeat);
        EXPECT_EQ(e.words, 1);
        EXPECT_EQ(e.bytes, header) << repeat;
    }
}

TEST(MacroImage, FullImageStopsAtTheFirstEventThatDoesNotFit) {
    std::vector<uint32_t> events;
    for (int i = 0; i < 300; ++i) {
        events.push_back(i % 2 == 0 ? Down(0x41) : Up(0x41));
    }
    events.insert(events.begin() + 255, Pause(50));  // right after the last word that fits
    const Encoded e = Encode(events);
    EXPECT_EQ(e.words, 256);
    EXPECT_EQ(e.words % 256, 0);  // what the key matrix carries
    EXPECT_EQ(e.bytes[2], 0x01);
    EXPECT_EQ(e.bytes[510], 0x01 + 5);  // word 255 (a press) got the 50 ms pause
    EXPECT_EQ(e.bytes[511], 0x04);

    // A long pause needs two words: with one word left it ends the encoding.
    std::vector<uint32_t> tight(254, Down(0x41));
    tight.push_back(Pause(5000));
    tight.push_back(Down(0x42));
    const Encoded t = Encode(tight);
    EXPECT_EQ(t.words, 255);
}

}  // namespace
}  // namespace kx90
