// The statistics page's rules: the six counters and the host events that add to them, pointer
// travel, trophy levels and the level bar, the figures as shown, and Sts.cfg with its messages.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/i18n/pair_language.h"
#include "core/i18n/ui_language.h"
#include "core/layout/geometry.h"
#include "core/layout/statistics_page_layout.h"
#include "core/platform/file_writer.h"
#include "core/platform/notifier.h"

namespace kx90::pages {

// The counters in Sts.cfg order; the file is exactly this struct, little-endian, no header.
struct StatisticsCounts {
    uint32_t leftPresses = 0;       // offset 0: host event 0x201
    uint32_t middlePresses = 0;     // offset 4: 0x207
    uint32_t rightPresses = 0;      // offset 8: 0x204
    uint32_t wheelUpNotches = 0;    // offset 12: 0x20A01
    uint32_t wheelDownNotches = 0;  // offset 16: 0x20A00
    uint32_t pointerTravel = 0;     // offset 20: screen pixels, city-block, wraps at 2^32

    bool operator==(const StatisticsCounts&) const = default;
};
static_assert(sizeof(StatisticsCounts) == 24);
static_assert(offsetof(StatisticsCounts, wheelUpNotches) == 12);
static_assert(offsetof(StatisticsCounts, pointerTravel) == 20);

// The host event codes that count (the side buttons do not).
inline constexpr uint32_t kLeftPressEvent = 0x201;
inline constexpr uint32_t kMiddlePressEvent = 0x207;
inline constexpr uint32_t kRightPressEvent = 0x204;
inline constexpr uint32_t kWheelUpEvent = 0x20A01;
inline constexpr uint32_t kWheelDownEvent = 0x20A00;

// Totals are summed wide, so three counters near 2^32 never wrap into a lower level.
uint64_t ClicksTotal(const StatisticsCounts& counts);
uint64_t WheelTotal(const StatisticsCounts& counts);

// Trophy levels 0..12: kTrophyThresholds[level] is the smallest total that earns the level.
inline constexpr int kMaxTrophyLevel = 12;
inline constexpr std::array<uint64_t, kMaxTrophyLevel + 1> kTrophyThresholds = {
    0,         100'000,   500'000,   1'000'000, 1'500'000, 2'000'000, 2'500'000,
    3'000'000, 4'000'000, 5'000'000, 6'000'000, 8'000'000, 10'000'000};
static_assert(kTrophyThresholds.size() == layout::statistics_page::kTrophyLevels);

int TrophyLevelFor(uint64_t total);

// The level bar's width in pixels: (level + 1, at most 13) thirteenths of 273, truncated; 21 at
// level 0, 273 at level 12.
int LevelBarWidth(int trophyLevel);
// Where the level bar sits for a level (page pixels).
layout::Rect LevelBarRect(int trophyLevel);

// "No trophy picture loaded": the shown level at start and after a reset.
inline constexpr int kNoShownLevel = 800;

// The eight figures in layout::statistics_page::Figure order: the counts and totals as unsigned
// decimal numbers, the travel as travel x 0.0001 with two decimals ("%0.2f").
std::array<std::u16string, layout::statistics_page::kFigureCount> FigureTexts(const StatisticsCounts& counts);

// What a redraw must do about the trophy pictures.
struct TrophyRedraw {
    int level = 0;                // the trophy level to show
    bool reloadPictures = false;  // load trophy<level>Down.bmp, set the marks, repaint the page
};

// The counters and the trophy state of the page. Everything runs on the user-interface thread.
class StatisticsState {
public:
    const StatisticsCounts& Counts() const { return counts_; }
    // After loading Sts.cfg: the counters as read; nothing to save yet.
    void SetLoadedCounts(const StatisticsCounts& counts);

    // Message 0x4C9: adds one to the counter of the code. False (nothing changes) for any other
    // code, the side buttons' included.
    bool CountHostEvent(uint32_t code);

    // The position of the first sample, taken when the sampler starts; adds nothing.
    void StartSampling(layout::Point at) { lastSample_ = at; }
    // Message 0x4CA: |dx| + |dy| from the last sample to this one joins the travel (wrapping), and
    // this one becomes the last.
    void AddSample(layout::Point at);
    layout::Point LastSample() const { return lastSample_; }

    // Every redraw: the level grows to the larger of the two totals' levels (it never falls here);
    // the pictures reload when it differs from the level shown.
    TrophyRedraw Redraw();
    int TrophyLevel() const { return trophyLevel_; }
    int ShownLevel() const { return shownLevel_; }

    // The reset command's effect: counters and level 0, no pictures shown (so they reload).
    void Reset();

    // Counts found in Sts.cfg only after counting had begun (its first read failed) join the
    // counters, each wrapping as the file's field does.
    void AddStoredCounts(const StatisticsCounts& stored);

    // Whether the counters changed since they were last loaded or saved.
    bool ChangedSinceSave() const { return changed_; }
    void MarkSaved() { changed_ = false; }

private:
    StatisticsCounts counts_;
    layout::Point lastSample_;
    int trophyLevel_ = 0;
    int shownLevel_ = kNoShownLevel;
    bool changed_ = false;
};

// Sts.cfg in the data folder.
class StatisticsFile {
public:
    // Messages go through notifier with language's catalogue texts.
    StatisticsFile(std::filesystem::path dataDir, Notifier& notifier, const UiLanguage& language);

    std::filesystem::path FilePath() const;

    // The counters from the first 24 bytes (a shorter file leaves the rest 0; anything after them
    // is ignored). A missing file or folder is told in the info dialog with the full path; other
    // failures are silent. Zeros when nothing could be read.
    StatisticsCounts Load();

    // A file that exists but could not be read at start-up (locked by another program, a read
    // error) still holds the counts of every earlier run: it must not simply be overwritten with
    // this run's. The counts it holds once it can be read; nullopt while it still cannot, or when
    // the first read went well or found no file.
    std::optional<StatisticsCounts> ReadUnreadCounts();
    bool HoldsUnreadCounts() const { return unread_; }
    // The reset makes the old counts unwanted.
    void ForgetUnreadCounts() { unread_ = false; }

    // Writes the 24 bytes, replacing the file only once they are on disk (so a longer or damaged
    // file becomes a clean one). A missing folder is told with str_msg2 and the path, access
    // denied with str_msg5, both in the standard message box; other failures are silent. quiet:
    // no message at all (the periodic save, which must not raise a box every few minutes).
    // True when the file holds the counts.
    bool Save(const StatisticsCounts& counts, bool quiet = false);

    // Tests make writes fail through this.
    void SetFileWriter(FileWriter writer) { writeFile_ = std::move(writer); }

private:
    std::filesystem::path dataDir_;
    Notifier& notifier_;
    const UiLanguage& language_;
    FileWriter writeFile_ = AtomicFileWriter();
    bool unread_ = false;  // the file was there at start-up but could not be read
};

// The counters go to disk this often while they change, so a crash or a power cut loses at most
// this much counting. 24 bytes every two minutes cost nothing.
inline constexpr unsigned kStatisticsAutosavePeriodMs = 2 * 60 * 1000;

// Saves (quietly) when the counters changed since the last save. True when a save happened and
// succeeded. Both saves first take over the counts of a file that could not be read at start-up,
// once it can (StatisticsFile::ReadUnreadCounts); while it still cannot, only the asked-for save
// writes over it.
bool AutosaveStatistics(StatisticsState& state, StatisticsFile& file);

// A save that is asked for (program exit, the session ending): always written, with messages.
bool SaveStatistics(StatisticsState& state, StatisticsFile& file);

// The reset button's question.
std::u16string_view ResetQuestion(PairLanguage language);

// The reset command: asks first; on OK only, the counters and level go to 0 and the file is
// written. True when it was reset.
bool ResetStatistics(StatisticsState& state, StatisticsFile& file, Notifier& notifier, PairLanguage language);

// The help line: the large trophy (code 54, str_cups) and the reset button (55, str_resetSts),
// each over its window rectangle widened by one pixel on every side. 0 elsewhere.
inline constexpr int kStatusTrophy = 54;
inline constexpr int kStatusReset = 55;
int StatisticsStatusCodeAt(layout::Point cursor);

}  // namespace kx90::pages
