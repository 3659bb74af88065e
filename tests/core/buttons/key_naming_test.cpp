// Key tables and key naming: first-match translation, fixed names, layout fallback, combinations.
#include "core/buttons/key_naming.h"

#include <gtest/gtest.h>

#include <set>

#include "core/buttons/key_tables.h"
#include "support/device_fakes.h"

namespace kx90 {
namespace {

const test::UsKeyboardLayout kUs;

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

TEST(KeyTables, TranslationTakesTheFirstMatchingRow) {
    for (const KeyUsageRow& row : KeyUsageTable) {
        EXPECT_NE(row.usage, 0) << "an empty row";
    }
    EXPECT_EQ(KeyUsageTable.front().usage, 0x29);
    EXPECT_EQ(KeyUsageTable.back().usage, 0xF2);
    EXPECT_EQ(VirtualKeyToUsage(0x0D), 0x28);  // Enter, never keypad Enter
    EXPECT_EQ(UsageToVirtualKey(0x58), 0x0D);
    EXPECT_EQ(VirtualKeyToUsage(0x10), 0);     // generic Shift is not in the table
    EXPECT_EQ(UsageToVirtualKey(0x00), 0);
    EXPECT_EQ(VirtualKeyToUsage(0x41), 0x04);
    EXPECT_EQ(UsageToVirtualKey(0x27), 0x30);
    EXPECT_EQ(VirtualKeyToUsage(0x04), 0xF2);
}

TEST(KeyTables, MacroKeyNamesAreDistinctAndLookAtTheLowByteOnly) {
    std::set<uint8_t> codes;
    for (const MacroKeyNameRow& row : MacroKeyNameTable) {
        EXPECT_TRUE(codes.insert(row.virtualKey).second) << int(row.virtualKey);
        EXPECT_FALSE(row.name.empty()) << int(row.virtualKey);
    }
    const std::pair<uint32_t, std::u16string_view> rows[] = {
        {0x41, u"A"}, {0xC00041, u"A"}, {0x2C, u""}, {0x2A, u"Print"}, {0xDC, u"|"}, {0x14, u"Cap"},
        {0x0D, u"Enter"}, {0x6C, u"NUM Enter"}, {0x60, u"NUM 0"}, {0x7B, u"F12"}, {0x04, u"Middle Button"},
        {0x10, u""}, {0x141, u"A"}};
    for (const auto& [value, name] : rows) {
        EXPECT_EQ(GetMacroKeyName(value), name) << std::hex << value;
    }
}

TEST(KeyNaming, VirtualKeyNames) {
    const std::pair<uint32_t, std::u16string_view> rows[] = {
        {0x00, u""},         {0xFF, u""},     {0x100, u""},      {0x2B, u"Enter"}, {0x6C, u"\\"},
        {0x60, u"(0)"},      {0x69, u"(9)"},  {0x70, u"F1"},     {0x7B, u"F12"},   {0x7C, u""},
        {0x41, u"A"},        {0x31, u"1"},    {0xBF, u"/"},      {0xDE, u"'"},     {0xA2, u"LCtrl"},
        {0x2C, u"PrtSc SysRq"}, {0x91, u"Scroll Lock"}, {0x5D, u"App"}, {0x6B, u"(+)"}, {0x14, u"CapsLock"}};
    for (const auto& [vk, name] : rows) {
        EXPECT_EQ(GetVirtualKeyName(vk, kUs), name) << std::hex << vk;
    }
}

TEST(KeyNaming, KeyCodeNames) {
    const std::pair<uint32_t, std::u16string_view> rows[] = {
        {0, u""},
        {MakeKeyCode(kModifierWin, 0), u"Win + "},  // a combination without a key ends in the separator
        {MakeKeyCode(0, 0xE0), u"LCtrl"},           // a lone modifier key
        {MakeKeyCode(kModifierCtrl | kModifierAlt, 0x4C), u"Ctrl + Alt + Delete"},
        {MakeKeyCode(kModifierShift, 0x04), u"Shift + A"},
        {MakeKeyCode(0x0F, 0x3A), u"Shift + Ctrl + Alt + Win + F1"},
        {MakeKeyCode(0x29, 0x04), u"Ctrl + Win + A"},  // unknown bits (0x20) are ignored
        {MakeKeyCode(0x20, 0x04), u"3"},  // no modifier bit: the byte is read as a usage (0x20 is "3")
        {0x003D0400, u"Alt + F4"},
    };
    for (const auto& [code, name] : rows) {
        EXPECT_EQ(GetKeyCodeName(code, kUs), name) << std::hex << code << " gave " << Narrow(GetKeyCodeName(code, kUs));
    }
}

}  // namespace
}  // namespace kx90
