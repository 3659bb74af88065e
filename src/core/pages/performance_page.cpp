// The buttons-and-performance page's rules over the live record.
#include "core/pages/performance_page.h"

#include <algorithm>

#include "core/buttons/function_catalogue.h"

namespace kx90::pages {
namespace {

namespace pp = layout::performance_page;

constexpr int kMarkerInset = 17;  // pixels taken off each side of a tab for its marker's band

int CountOn(const std::array<bool, kLevelButtonCount>& levels) {
    return static_cast<int>(std::count(levels.begin(), levels.end(), true));
}

void WriteLevels(const std::array<bool, kLevelButtonCount>& levels, ProfileRecord& record) {
    int out = 0;
    for (int j = 0; j < kLevelButtonCount; ++j) {
        record.dpiLevels[j] = 0;
    }
    for (int j = 0; j < kLevelButtonCount; ++j) {
        if (levels[static_cast<size_t>(j)]) {
            record.dpiLevels[out++] = static_cast<uint32_t>(pp::kLevelValues[j]);
        }
    }
}

// A stored unsigned setting shown on a slider of range 1..maximum.
int ClampStored(uint32_t value, int maximum) {
    return static_cast<int>(std::clamp<uint32_t>(value, 1, static_cast<uint32_t>(maximum)));
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

std::u16string LineCountText(int count) {
    const std::string narrow = std::to_string(count);
    return std::u16string(narrow.begin(), narrow.end());
}

LineCountEntry ValidateScrollLines(std::u16string_view editText) {
    std::u16string digits;
    for (char16_t c : editText) {
        if (IsDigit(c) && !(digits.empty() && c == u'0')) {
            digits.push_back(c);
        }
    }
    int count = kMinScrollLines;
    if (!digits.empty()) {
        count = 0;
        for (char16_t c : digits) {
            count = std::min(count * 10 + (c - u'0'), kMaxScrollLines + 1);
        }
        count = std::min(count, kMaxScrollLines);
    }
    LineCountEntry entry;
    entry.text = LineCountText(count);
    entry.count = count;
    entry.caret = entry.text.size();
    return entry;
}

const PerformanceView& PerformancePageState::RefreshFromRecord(const ProfileRecord& record) {
    view_.levels.fill(false);
    for (int slot = 0; slot < kMaxChosenLevels; ++slot) {
        for (int j = 0; j < kLevelButtonCount; ++j) {
            if (record.dpiLevels[slot] == static_cast<uint32_t>(pp::kLevelValues[j])) {
                view_.levels[static_cast<size_t>(j)] = true;
            }
        }
    }
    view_.pointerSpeed = ClampStored(record.pointerSpeed, kPointerSpeedMax);
    view_.improveAccuracy = record.enhancePrecision == 1;
    view_.liftHeight = ClampStored(record.heightSetting, kLiftHeightMax);
    for (int i = 0; i < kRateButtonCount; ++i) {
        view_.rates[static_cast<size_t>(i)] = record.reportRate == kRateButtonCodes[i];
    }
    view_.oneScreen = record.scrollLines == kScrollOneScreen;
    view_.lineCount = view_.oneScreen
                          ? kMinScrollLines
                          : std::clamp<int32_t>(record.scrollLines, kMinScrollLines, kMaxScrollLines);
    storedLinesUntouched_ = !view_.oneScreen && view_.lineCount != record.scrollLines;
    return RefreshTabs(record);
}

const PerformanceView& PerformancePageState::ClickLevel(int j, ProfileRecord& record) {
    if (j < 0 || j >= kLevelButtonCount) {
        return view_;
    }
    bool& button = view_.levels[static_cast<size_t>(j)];
    const int on = CountOn(view_.levels);
    if (button) {
        button = on == 1;  // the only level stays on
    } else {
        button = on < kMaxChosenLevels;
    }
    WriteLevels(view_.levels, record);
    return view_;
}

const PerformanceView& PerformancePageState::ClickImproveAccuracy(ProfileRecord& record) {
    view_.improveAccuracy = !view_.improveAccuracy;
    record.enhancePrecision = view_.improveAccuracy ? 1 : 0;
    return view_;
}

const PerformanceView& PerformancePageState::ClickRate(int i, ProfileRecord& record) {
    if (i < 0 || i >= kRateButtonCount) {
        return view_;
    }
    view_.rates.fill(false);
    view_.rates[static_cast<size_t>(i)] = true;
    record.reportRate = kRateButtonCodes[i];
    return view_;
}

bool PerformancePageState::SliderMoved(int controlId, int position, ProfileRecord& record) {
    if (controlId == kPointerSpeedSliderId) {
        view_.pointerSpeed = std::clamp(position, 1, kPointerSpeedMax);
        record.pointerSpeed = static_cast<uint32_t>(view_.pointerSpeed);
        return true;
    }
    if (controlId == kLiftHeightSliderId) {
        view_.liftHeight = std::clamp(position, 1, kLiftHeightMax);
        record.heightSetting = static_cast<uint32_t>(view_.liftHeight);
        return true;
    }
    return false;
}

void PerformancePageState::WriteLineCount(int count, ProfileRecord& record) {
    view_.lineCount = std::clamp(count, kMinScrollLines, kMaxScrollLines);
    record.scrollLines = view_.lineCount;
    storedLinesUntouched_ = false;
}

const PerformanceView& PerformancePageState::ChooseLines(ProfileRecord& record) {
    view_.oneScreen = false;
    WriteLineCount(view_.lineCount, record);
    return view_;
}

const PerformanceView& PerformancePageState::ChooseOneScreen(ProfileRecord& record) {
    view_.oneScreen = true;
    record.scrollLines = kScrollOneScreen;
    storedLinesUntouched_ = false;
    return view_;
}

const PerformanceView& PerformancePageState::ClickLinesUp(ProfileRecord& record) {
    if (!view_.oneScreen) {
        WriteLineCount(view_.lineCount + 1, record);
    }
    return view_;
}

const PerformanceView& PerformancePageState::ClickLinesDown(ProfileRecord& record) {
    if (!view_.oneScreen) {
        WriteLineCount(view_.lineCount - 1, record);
    }
    return view_;
}

LineCountEntry PerformancePageState::CommitScrollLines(std::u16string_view editText, ProfileRecord& record) {
    if (view_.oneScreen) {
        return ValidateScrollLines(LineCountText(view_.lineCount));
    }
    LineCountEntry entry = ValidateScrollLines(editText);
    if (storedLinesUntouched_ && editText == LineCountText(view_.lineCount)) {
        return entry;
    }
    WriteLineCount(entry.count, record);
    return entry;
}

const PerformanceView& PerformancePageState::RefreshTabs(const ProfileRecord& record) {
    for (size_t k = 0; k < kButtonCount; ++k) {
        view_.tabChanged[k] = record.buttons[k].functionCode != DefaultButtonFunctions[k];
    }
    return view_;
}

std::u16string BeginTabClick(int k, ProfileRecord& record, PairLanguage language) {
    if (k < 0 || k >= kButtonCount) {
        return {};
    }
    FixDefaultNameAnyRow(record, k, language);
    return std::u16string(FieldText(record.buttons[k].displayName));
}

bool FinishTabClick(PerformancePageState& page, PopupClose close, const AssignmentChoice& choice,
                    const AssignmentContext& context) {
    const bool stored = close == PopupClose::kOk && ApplyAssignment(choice, context);
    page.RefreshTabs(context.record);
    return stored;
}

layout::Rect MarkerBand(int k) {
    if (k < 0 || k >= kButtonCount) {
        return {};
    }
    const layout::Rect bounds = pp::kFunctionTabs[k].Bounds();
    return {bounds.left + kMarkerInset, bounds.top, bounds.right - kMarkerInset, bounds.bottom};
}

std::array<MarkerLook, kButtonCount> MarkerLooks(layout::Point cursor, bool mainWindowForeground) {
    std::array<MarkerLook, kButtonCount> looks{};
    for (int k = 0; k < kButtonCount; ++k) {
        MarkerLook look = MarkerLook::kOff;
        if (MarkerBand(k).Contains(cursor)) {
            look = mainWindowForeground ? MarkerLook::kOn : MarkerLook::kKeep;
        }
        looks[static_cast<size_t>(k)] = look;
    }
    return looks;
}

}  // namespace kx90::pages

namespace kx90::pages {

std::u16string MissingInstallationFileText(std::u16string_view fileName, PairLanguage language) {
    const std::u16string_view before = PickByLanguage<std::u16string_view>(
        language, u"\u5B89\u88C5\u5DF2\u635F\u574F\uFF0C\u7F3A\u5C11 ", u"The installation is damaged: ");
    const std::u16string_view after =
        PickByLanguage<std::u16string_view>(language, u"\u3002", u" is missing.");
    return std::u16string(before) + std::u16string(fileName) + std::u16string(after);
}

}  // namespace kx90::pages
