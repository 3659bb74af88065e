// The catalogue of button functions: codes, built-in names, list labels and device key codes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/i18n/language_strings.h"
#include "core/i18n/pair_language.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// The basic function "Disable key"; also the Disable box's kind.
inline constexpr uint32_t kFunctionDisable = 121;

struct FunctionRow {
    uint32_t code;
    std::u16string_view chineseName;
    std::u16string_view englishName;
    // Label of the function in the basic-functions list and its 1-based position there; nullptr and
    // 0 when the list does not offer it.
    std::u16string LanguageStrings::*listLabel;
    int listPosition;
    // Device key code, least significant byte first: b0 = kind (0x00 key with modifier bits in b1 and
    // HID usage in b2; 0x01 mouse button; 0x03 consumer usage in b2-b3; 0x04 wheel; 0x07 and 0x0A
    // special functions).
    uint32_t deviceKeyCode;
};

// clang-format off
inline constexpr std::array<FunctionRow, 27> kFunctionCatalogue{{
    {1, u"单击", u"Click", &LanguageStrings::str_mouseleft, 10, 0x00F00001},
    {2, u"菜单", u"Menu", &LanguageStrings::str_mouseright, 11, 0x00F10001},
    {4, u"中键", u"Middle", &LanguageStrings::str_mousemiddle, 12, 0x00F20001},
    {8, u"前进", u"Forward", &LanguageStrings::str_pre, 13, 0x00F40001},
    {16, u"后退", u"Back", &LanguageStrings::str_back, 14, 0x00F30001},
    {11, u"滚轮前滚", u"Scroll up", nullptr, 0, 0x00010004},
    {22, u"滚轮后滚", u"Scroll down", nullptr, 0, 0x00020004},
    {32, u"播放/暂停", u"Play/Pause", &LanguageStrings::str_PL, 16, 0x00CD0003},
    {33, u"停止", u"Stop", &LanguageStrings::str_stop, 17, 0x00B70003},
    {34, u"上一曲", u"Previous", &LanguageStrings::str_pre_media, 18, 0x00B60003},
    {35, u"下一曲", u"Next", &LanguageStrings::str_next_media, 19, 0x00B50003},
    {37, u"音量+", u"Volume up", &LanguageStrings::str_vol_up, 21, 0x00E90003},
    {38, u"音量-", u"Volume down", &LanguageStrings::str_vol_dw, 20, 0x00EA0003},
    {39, u"静音", u"Mute", &LanguageStrings::str_mute, 22, 0x00E20003},
    {40, u"音乐", u"Music", &LanguageStrings::str_player, 15, 0x01830003},
    {81, u"关闭窗口", u"Close window", &LanguageStrings::str_close, 1, 0x003D0400},          // Alt + F4
    {82, u"锁定电脑", u"Lock PC", &LanguageStrings::str_lock, 2, 0x000F0800},               // Win + L
    {84, u"运行", u"Run", &LanguageStrings::str_run, 3, 0x00150800},                        // Win + R
    {85, u"显示桌面", u"Show desktop", &LanguageStrings::str_show, 4, 0x00070800},          // Win + D
    {kFunctionDisable, u"禁用按键", u"Disable key", nullptr, 0, 0x00000007},                // the Disable box
    {123, u"进入传统界面", u"Enter classic desktop", &LanguageStrings::str_win8_classic, 5, 0x00100800},  // Win + M
    {124, u"切换应用程序", u"Switch applications", &LanguageStrings::str_win8_switch, 6, 0x002B0400},  // Alt + Tab
    {125, u"搜索", u"Search", &LanguageStrings::str_find, 9, 0x00140800},                   // Win + Q
    {126, u"放大", u"sreen zoom in", &LanguageStrings::str_win8_winp, 7, 0x00570800},       // Win + keypad +
    {127, u"缩小", u"sreen zoom out", &LanguageStrings::str_win8_winm, 8, 0x00560800},      // Win + keypad -
    {142, u"狙击键", u"SNIPE", &LanguageStrings::str_snipe, 23, 0x08040007},
    {143, u"火力", u"FIRE", &LanguageStrings::str_fire, 24, 0x0218F00A},
}};
// clang-format on

// Number of entries of the basic-functions list.
inline constexpr int kBasicListLength = 24;

// Factory function code of each button, in button order (left, middle, right, forward, back,
// wheel up, wheel down).
inline constexpr std::array<uint32_t, kButtonCount> DefaultButtonFunctions = [] {
    std::array<uint32_t, kButtonCount> codes{};
    for (int i = 0; i < kButtonCount; ++i) {
        codes[i] = kButtonOrder[i].defaultCode;
    }
    return codes;
}();

// The catalogue row of a function code, or nullptr (kind markers 5, 6, 19 and unknown codes).
constexpr const FunctionRow* FindFunction(uint32_t code) {
    for (const FunctionRow& row : kFunctionCatalogue) {
        if (row.code == code) {
            return &row;
        }
    }
    return nullptr;
}

// The catalogue row at a 1-based position of the basic-functions list, or nullptr.
const FunctionRow* FunctionAtListPosition(int position);

// Built-in name of a function code in the given language; empty for codes not in the catalogue.
std::u16string_view GetFunctionName(uint32_t code, PairLanguage language);

}  // namespace kx90
