// The statistics page's counters, travel, trophy levels, figures and Sts.cfg.
#include "core/pages/statistics_page.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "core/platform/data_folders.h"
#include "core/platform/file_io.h"
#include "core/profile/file_messages.h"

namespace kx90::pages {

namespace sts = layout::statistics_page;

namespace {

std::u16string Ascii(const char* text) {
    std::u16string out;
    for (const char* c = text; *c != '\0'; ++c) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*c)));
    }
    return out;
}

std::u16string Number(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
    return Ascii(text);
}

}  // namespace

uint64_t ClicksTotal(const StatisticsCounts& counts) {
    return uint64_t{counts.leftPresses} + counts.middlePresses + counts.rightPresses;
}

uint64_t WheelTotal(const StatisticsCounts& counts) {
    return uint64_t{counts.wheelUpNotches} + counts.wheelDownNotches;
}

int TrophyLevelFor(uint64_t total) {
    int level = 0;
    while (level < kMaxTrophyLevel && total >= kTrophyThresholds[static_cast<size_t>(level + 1)]) {
        ++level;
    }
    return level;
}

int LevelBarWidth(int trophyLevel) {
    const int steps = std::clamp(trophyLevel + 1, 0, sts::kTrophyLevels);
    // In floating point and truncated toward zero; 273 is 13 x 21, so every step is whole.
    return static_cast<int>(steps * static_cast<double>(sts::kLevelBarWidth) / sts::kTrophyLevels);
}

layout::Rect LevelBarRect(int trophyLevel) {
    const layout::Rect& bar = sts::kLevelBar;
    return {bar.left, bar.top, bar.left + LevelBarWidth(trophyLevel), bar.bottom};
}

std::array<std::u16string, sts::kFigureCount> FigureTexts(const StatisticsCounts& counts) {
    char travel[48];
    std::snprintf(travel, sizeof travel, "%0.2f", counts.pointerTravel * 0.0001);
    return {Number(counts.leftPresses),    Number(counts.middlePresses),
            Number(counts.rightPresses),   Number(ClicksTotal(counts)),
            Number(counts.wheelUpNotches), Number(counts.wheelDownNotches),
            Number(WheelTotal(counts)),    Ascii(travel)};
}

void StatisticsState::SetLoadedCounts(const StatisticsCounts& counts) {
    counts_ = counts;
    changed_ = false;
}

bool StatisticsState::CountHostEvent(uint32_t code) {
    uint32_t* counter = nullptr;
    switch (code) {
        case kLeftPressEvent:
            counter = &counts_.leftPresses;
            break;
        case kMiddlePressEvent:
            counter = &counts_.middlePresses;
            break;
        case kRightPressEvent:
            counter = &counts_.rightPresses;
            break;
        case kWheelUpEvent:
            counter = &counts_.wheelUpNotches;
            break;
        case kWheelDownEvent:
            counter = &counts_.wheelDownNotches;
            break;
        default:
            return false;
    }
    ++*counter;  // unsigned: wraps after 2^32 - 1
    changed_ = true;
    return true;
}

void StatisticsState::AddSample(layout::Point at) {
    // Differences in 64 bits: two far-apart coordinates cannot overflow.
    const int64_t dx = std::llabs(int64_t{at.x} - lastSample_.x);
    const int64_t dy = std::llabs(int64_t{at.y} - lastSample_.y);
    const uint32_t step = static_cast<uint32_t>(dx + dy);
    if (step != 0) {
        counts_.pointerTravel += step;  // wraps, as the 32-bit field in the file does
        changed_ = true;
    }
    lastSample_ = at;
}

TrophyRedraw StatisticsState::Redraw() {
    trophyLevel_ =
        std::max({trophyLevel_, TrophyLevelFor(ClicksTotal(counts_)), TrophyLevelFor(WheelTotal(counts_))});
    TrophyRedraw redraw{trophyLevel_, trophyLevel_ != shownLevel_};
    shownLevel_ = trophyLevel_;
    return redraw;
}

void StatisticsState::Reset() {
    counts_ = StatisticsCounts{};
    trophyLevel_ = 0;
    shownLevel_ = kNoShownLevel;
    changed_ = true;
}

void StatisticsState::AddStoredCounts(const StatisticsCounts& stored) {
    counts_.leftPresses += stored.leftPresses;
    counts_.middlePresses += stored.middlePresses;
    counts_.rightPresses += stored.rightPresses;
    counts_.wheelUpNotches += stored.wheelUpNotches;
    counts_.wheelDownNotches += stored.wheelDownNotches;
    counts_.pointerTravel += stored.pointerTravel;
    changed_ = true;
}

StatisticsFile::StatisticsFile(std::filesystem::path dataDir, Notifier& notifier, const UiLanguage& language)
    : dataDir_(std::move(dataDir)), notifier_(notifier), language_(language) {}

std::filesystem::path StatisticsFile::FilePath() const {
    return StatisticsFilePath(dataDir_);
}

StatisticsCounts StatisticsFile::Load() {
    const std::filesystem::path path = FilePath();
    StatisticsCounts counts;
    const FileReadResult read = ReadFilePrefix(path, BytesOf(counts));
    unread_ = read.status == FileStatus::kAccessDenied || read.status == FileStatus::kFailed;
    if (read.status == FileStatus::kOk) {
        return counts;
    }
    if (read.status == FileStatus::kNotFound) {
        notifier_.ShowInfo(FormatWithPath(kMissingFileText, PathText(path)), false);
    }
    return StatisticsCounts{};  // a read that failed half-way leaves nothing half-loaded
}

std::optional<StatisticsCounts> StatisticsFile::ReadUnreadCounts() {
    if (!unread_) {
        return std::nullopt;
    }
    StatisticsCounts counts;
    const FileReadResult read = ReadFilePrefix(FilePath(), BytesOf(counts));
    if (read.status == FileStatus::kNotFound) {
        unread_ = false;  // gone meanwhile: nothing left to keep
    }
    if (read.status != FileStatus::kOk) {
        return std::nullopt;
    }
    unread_ = false;
    return counts;
}

bool StatisticsFile::Save(const StatisticsCounts& counts, bool quiet) {
    const std::filesystem::path path = FilePath();
    const FileStatus status = writeFile_(path, BytesOf(counts));
    if (!quiet) {
        const std::u16string caption(kInfoCaption);
        if (status == FileStatus::kNotFound) {
            notifier_.ShowMessageBox(FormatWithPath(language_.Strings().str_msg2, PathText(path)), caption);
        } else if (status == FileStatus::kAccessDenied) {
            notifier_.ShowMessageBox(language_.Strings().str_msg5, caption);
        }
    }
    return status == FileStatus::kOk;
}

namespace {

void TakeOverUnreadCounts(StatisticsState& state, StatisticsFile& file) {
    if (const std::optional<StatisticsCounts> stored = file.ReadUnreadCounts()) {
        state.AddStoredCounts(*stored);
    }
}

}  // namespace

bool AutosaveStatistics(StatisticsState& state, StatisticsFile& file) {
    TakeOverUnreadCounts(state, file);
    if (file.HoldsUnreadCounts() || !state.ChangedSinceSave() || !file.Save(state.Counts(), true)) {
        return false;
    }
    state.MarkSaved();
    return true;
}

bool SaveStatistics(StatisticsState& state, StatisticsFile& file) {
    TakeOverUnreadCounts(state, file);
    if (!file.Save(state.Counts())) {
        return false;
    }
    state.MarkSaved();
    return true;
}

std::u16string_view ResetQuestion(PairLanguage language) {
    static constexpr std::u16string_view kChinese = u"确定要重置奖杯和统计数据么？";
    static constexpr std::u16string_view kEnglish = u"Do you want to reset trophy data ?";
    return PickByLanguage(language, kChinese, kEnglish);
}

bool ResetStatistics(StatisticsState& state, StatisticsFile& file, Notifier& notifier,
                     PairLanguage language) {
    if (notifier.ShowInfo(std::u16string(ResetQuestion(language)), true) != kInfoOk) {
        return false;
    }
    state.Reset();
    file.ForgetUnreadCounts();
    SaveStatistics(state, file);
    return true;
}

int StatisticsStatusCodeAt(layout::Point cursor) {
    auto widenedHolds = [&](const layout::Rect& r) {
        return layout::Rect{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}.Contains(cursor);
    };
    if (widenedHolds(sts::kTrophy)) {
        return kStatusTrophy;
    }
    if (widenedHolds(sts::kResetButton)) {
        return kStatusReset;
    }
    return 0;
}

}  // namespace kx90::pages
