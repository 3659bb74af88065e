// Factory defaults, validity and the default-name language fix-up of a ProfileRecord.
#include "core/profile/profile_record.h"

#include <algorithm>
#include <cstring>

namespace kx90 {

std::u16string_view DefaultButtonName(int button, PairLanguage language) {
    const ButtonOrderRow& row = kButtonOrder[static_cast<size_t>(button)];
    return PickByLanguage(language, row.chineseName, row.englishName);
}

void ResetToDefaults(ProfileRecord& record, PairLanguage names) {
    std::memset(&record, 0, sizeof record);
    record.magic = kProfileMagic;
    std::copy(kDefaultDpiLevels.begin(), kDefaultDpiLevels.end(), record.dpiLevels);
    record.pointerSpeed = 10;
    record.enhancePrecision = 0;
    record.heightSetting = 15;
    record.reportRate = kReportRate1000Hz;
    record.scrollLines = 3;
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonAssignment& b = record.buttons[i];
        b.functionCode = kButtonOrder[static_cast<size_t>(i)].defaultCode;
        SetFieldText(b.displayName, DefaultButtonName(i, names));
        b.macroId = 0;
    }
    record.lightingMode = kLightingMultiColor;
    record.multiColorLevel = 4;
    record.multiColorOn = 0;
    record.proximitySensing = 1;
    record.breathLevel = 3;
    record.steadyLevel = 5;
    for (int c = 0; c < kColorCount; ++c) {
        record.colorIsCustom[c] = 1;
        record.colors[c] = 0x000000FF;
    }
}

bool IsValid(const ProfileRecord& record) { return record.magic == kProfileMagic; }

std::u16string_view FieldText(const char16_t (&field)[kTextFieldChars]) {
    const char16_t* end = std::find(field, field + kTextFieldChars, u'\0');
    return {field, static_cast<size_t>(end - field)};
}

void SetFieldText(char16_t (&field)[kTextFieldChars], std::u16string_view text) {
    const size_t n = std::min<size_t>(text.size(), kTextFieldChars - 1);
    std::copy_n(text.data(), n, field);
    std::fill(field + n, field + kTextFieldChars, u'\0');
}

namespace {

// Replaces the name when it is row's name in the other language than the given one.
bool ReplaceIfOtherLanguageName(char16_t (&name)[kTextFieldChars], const ButtonOrderRow& row,
                                PairLanguage language) {
    const std::u16string_view other = PickByLanguage(language, row.englishName, row.chineseName);
    if (FieldText(name) != other) {
        return false;
    }
    SetFieldText(name, PickByLanguage(language, row.chineseName, row.englishName));
    return true;
}

}  // namespace

bool FixDefaultNameOwnRow(ProfileRecord& record, int button, PairLanguage language) {
    if (button < 0 || button >= kButtonCount) {
        return false;
    }
    return ReplaceIfOtherLanguageName(record.buttons[button].displayName,
                                      kButtonOrder[static_cast<size_t>(button)], language);
}

bool FixDefaultNameAnyRow(ProfileRecord& record, int button, PairLanguage language) {
    if (button < 0 || button >= kButtonCount) {
        return false;
    }
    for (const ButtonOrderRow& row : kButtonOrder) {
        if (ReplaceIfOtherLanguageName(record.buttons[button].displayName, row, language)) {
            return true;
        }
    }
    return false;
}

}  // namespace kx90
