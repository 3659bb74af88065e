// ProfileRecord: one profile of the mouse, the same 22252 bytes in memory and on disk.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/i18n/pair_language.h"

namespace kx90 {

static_assert(std::endian::native == std::endian::little, "record files are little-endian images");

inline constexpr uint32_t kProfileMagic = 0x80800285;
inline constexpr int kButtonCount = 7;
inline constexpr int kDpiSlotCount = 14;
inline constexpr int kColorCount = 4;
inline constexpr int kTextFieldChars = 260;  // UTF-16 units, NUL included

// Kind markers of ButtonAssignment::functionCode besides the basic function codes.
inline constexpr uint32_t kFunctionKeyCombo = 5;
inline constexpr uint32_t kFunctionMacro = 6;
inline constexpr uint32_t kFunctionHostAction = 19;

// ButtonAssignment::actionKind of a host action.
inline constexpr uint32_t kActionPlaySound = 0xC0;
inline constexpr uint32_t kActionStartProgram = 0xD0;
inline constexpr uint32_t kActionOpenFile = 0xE0;
inline constexpr uint32_t kActionOpenFolder = 0xF0;

// Report-rate codes.
inline constexpr uint32_t kReportRate1000Hz = 1;
inline constexpr uint32_t kReportRate500Hz = 2;
inline constexpr uint32_t kReportRate250Hz = 4;
inline constexpr uint32_t kReportRate125Hz = 8;

// Lighting modes.
inline constexpr uint32_t kLightingSteady = 1;
inline constexpr uint32_t kLightingBreathing = 2;
inline constexpr uint32_t kLightingApmBreathing = 3;
inline constexpr uint32_t kLightingSpectrum = 4;
inline constexpr uint32_t kLightingMultiColor = 5;
inline constexpr uint32_t kLightingOff = 6;

inline constexpr int32_t kScrollOneScreen = -1;

// What one button does. 3148 bytes; fields at fixed offsets inside the block.
struct ButtonAssignment {
    uint32_t functionCode;                   // +0    basic function code, or 5 / 6 / 19
    uint32_t macroId;                        // +4    Macro.cfg identifier when functionCode is 6
    uint32_t actionKind;                     // +8    0xC0 sound, 0xD0 program, 0xE0 file, 0xF0 folder
    uint32_t reserved0;                      // +12
    uint32_t keyCode;                        // +16   key-matrix entry when functionCode is 5
    uint32_t actionCode;                     // +20   device form of a host action (stored only)
    char16_t actionPath[kTextFieldChars];    // +24   path of a host action
    uint32_t reserved1;                      // +544
    char16_t displayName[kTextFieldChars];   // +548  text shown for the assignment
    uint8_t reserved2[2080];                 // +1068
};

static_assert(sizeof(ButtonAssignment) == 3148);
static_assert(offsetof(ButtonAssignment, functionCode) == 0);
static_assert(offsetof(ButtonAssignment, macroId) == 4);
static_assert(offsetof(ButtonAssignment, actionKind) == 8);
static_assert(offsetof(ButtonAssignment, reserved0) == 12);
static_assert(offsetof(ButtonAssignment, keyCode) == 16);
static_assert(offsetof(ButtonAssignment, actionCode) == 20);
static_assert(offsetof(ButtonAssignment, actionPath) == 24);
static_assert(offsetof(ButtonAssignment, reserved1) == 544);
static_assert(offsetof(ButtonAssignment, displayName) == 548);
static_assert(offsetof(ButtonAssignment, reserved2) == 1068);

// One profile. Profile<k>.cfg and exported profiles are byte-for-byte copies of this struct.
struct ProfileRecord {
    uint32_t magic;                          // 0      kProfileMagic
    ButtonAssignment buttons[kButtonCount];  // 4      in button order (left, middle, right, ...)
    uint32_t dpiLevels[kDpiSlotCount];       // 22040  ascending dpi values, then zeros
    uint8_t reserved0[64];                   // 22096
    uint32_t heightSetting;                  // 22160  stored and shown only
    uint32_t reportRate;                     // 22164  1, 2, 4 or 8 (1000 / 500 / 250 / 125 Hz)
    uint32_t lightingMode;                   // 22168  1..6
    uint32_t multiColorOn;                   // 22172
    uint32_t colors[kColorCount];            // 22176  COLORREF 0x00BBGGRR; [3] is the single colour
    uint32_t colorIsCustom[kColorCount];     // 22192
    uint32_t colorPreset[kColorCount];       // 22208  swatch index 0..25
    uint32_t proximitySensing;               // 22224
    uint32_t enhancePrecision;               // 22228
    uint32_t pointerSpeed;                   // 22232  1..20
    uint32_t steadyLevel;                    // 22236  1..10
    uint32_t breathLevel;                    // 22240  1..5
    uint32_t multiColorLevel;                // 22244  twice the slider position: 2, 4 or 6
    int32_t scrollLines;                     // 22248  1..30, or -1 = one screen per notch
};

static_assert(sizeof(ProfileRecord) == 22252);
static_assert(offsetof(ProfileRecord, magic) == 0);
static_assert(offsetof(ProfileRecord, buttons) == 4);
static_assert(offsetof(ProfileRecord, dpiLevels) == 22040);
static_assert(offsetof(ProfileRecord, reserved0) == 22096);
static_assert(offsetof(ProfileRecord, heightSetting) == 22160);
static_assert(offsetof(ProfileRecord, reportRate) == 22164);
static_assert(offsetof(ProfileRecord, lightingMode) == 22168);
static_assert(offsetof(ProfileRecord, multiColorOn) == 22172);
static_assert(offsetof(ProfileRecord, colors) == 22176);
static_assert(offsetof(ProfileRecord, colorIsCustom) == 22192);
static_assert(offsetof(ProfileRecord, colorPreset) == 22208);
static_assert(offsetof(ProfileRecord, proximitySensing) == 22224);
static_assert(offsetof(ProfileRecord, enhancePrecision) == 22228);
static_assert(offsetof(ProfileRecord, pointerSpeed) == 22232);
static_assert(offsetof(ProfileRecord, steadyLevel) == 22236);
static_assert(offsetof(ProfileRecord, breathLevel) == 22240);
static_assert(offsetof(ProfileRecord, multiColorLevel) == 22244);
static_assert(offsetof(ProfileRecord, scrollLines) == 22248);

// The seven buttons: their block index is their identity everywhere (record, hook codes, key matrix).
enum ButtonIndex : int {
    kButtonLeft = 0,
    kButtonMiddle = 1,
    kButtonRight = 2,
    kButtonForward = 3,
    kButtonBack = 4,
    kButtonWheelUp = 5,
    kButtonWheelDown = 6,
};

struct ButtonOrderRow {
    uint32_t defaultCode;
    std::u16string_view chineseName;
    std::u16string_view englishName;
    uint32_t hostEventCode;  // how the low-level mouse hook reports the button
    int keyMatrixEntry;      // which entry of the device key matrix carries it
};

inline constexpr std::array<ButtonOrderRow, kButtonCount> kButtonOrder{{
    {1, u"单击", u"Click", 0x201, 0},
    {4, u"中键", u"Middle", 0x207, 2},
    {2, u"菜单", u"Menu", 0x204, 1},
    {8, u"前进", u"Forward", 0x2020B, 5},
    {16, u"后退", u"Back", 0x1020B, 4},
    {11, u"滚轮前滚", u"Scroll up", 0x20A01, 14},
    {22, u"滚轮后滚", u"Scroll down", 0x20A00, 15},
}};

inline constexpr std::array<uint32_t, 7> kDefaultDpiLevels{750, 1250, 1500, 2000, 2500, 3500, 4000};

// The default name of a button in the given language.
std::u16string_view DefaultButtonName(int button, PairLanguage language);

// Fills the record with the factory defaults, the button names in the given language (the factory
// files carry the English ones).
void ResetToDefaults(ProfileRecord& record, PairLanguage names = PairLanguage::kEnglish);

// True when the record carries the profile magic number; nothing else is checked.
bool IsValid(const ProfileRecord& record);

// Text fields: read up to the first NUL (or the field's end), write at most 259 units + NUL.
std::u16string_view FieldText(const char16_t (&field)[kTextFieldChars]);
void SetFieldText(char16_t (&field)[kTextFieldChars], std::u16string_view text);

// Default-name language fix-up, as the status line does it: a name that is the button's own
// default name in the other language becomes the one in language. Returns true when replaced.
bool FixDefaultNameOwnRow(ProfileRecord& record, int button, PairLanguage language);

// The same, as done before the assignment popup opens: the name is compared with all seven rows.
bool FixDefaultNameAnyRow(ProfileRecord& record, int button, PairLanguage language);

}  // namespace kx90
