// The statistics page's rules: which host event counts where, travel, trophy levels and the level
// bar, the figures, Sts.cfg load and save with their messages, reset and the periodic save.
#include "core/pages/statistics_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/platform/data_folders.h"
#include "support/fakes.h"
#include "support/file_test_support.h"
#include "support/temp_dir.h"

namespace kx90::pages {
namespace {

using test::ReadAllBytes;
using test::ShownLines;
using test::WriteAllBytes;

std::vector<uint8_t> FileBytes(const StatisticsCounts& counts) {
    std::vector<uint8_t> bytes(sizeof counts);
    std::memcpy(bytes.data(), &counts, sizeof counts);
    return bytes;
}

TEST(StatisticsLevels, TheLargerTotalEarnsTheLevelAndTheBarFollowsIt) {
    struct Row {
        StatisticsCounts counts;
        int level;
        int barWidth;
        const char* why;
    };
    const Row rows[] = {
        {{99'999, 0, 0, 0, 0, 0}, 0, 21, "99 999 left presses: still level 0, the shortest bar"},
        {{100'000, 0, 0, 0, 0, 0}, 1, 42, "one more press reaches level 1"},
        {{20'000, 20'000, 20'000, 30'000, 30'000, 0},
         0,
         21,
         "60 000 clicks and 60 000 notches are not added"},
        {{0, 0, 0, 6'000'000, 4'000'000, 0}, 12, 273, "a wheel total of 10 000 000: level 12, full bar"},
        {{0, 0, 0, 9'999'999, 0, 0}, 11, 252, "one notch short of the top level"},
        {{1'499'999, 0, 1, 0, 0, 0}, 4, 105, "totals add their three presses"},
        {{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0}, 12, 273, "counters near 2^32 do not wrap the total"},
        {{0, 0, 0, 0, 0, 0xFFFFFFFF}, 0, 21, "travel earns nothing"},
    };
    for (const Row& row : rows) {
        StatisticsState state;
        state.SetLoadedCounts(row.counts);
        const TrophyRedraw redraw = state.Redraw();
        EXPECT_EQ(redraw.level, row.level) << row.why;
        EXPECT_EQ(LevelBarWidth(redraw.level), row.barWidth) << row.why;
        EXPECT_EQ(LevelBarRect(redraw.level).right, 631 + row.barWidth) << row.why;
    }
    // Every boundary of the table, from both sides.
    for (int level = 1; level <= kMaxTrophyLevel; ++level) {
        const uint64_t from = kTrophyThresholds[static_cast<size_t>(level)];
        EXPECT_EQ(TrophyLevelFor(from - 1), level - 1) << from - 1;
        EXPECT_EQ(TrophyLevelFor(from), level) << from;
    }
    EXPECT_EQ(LevelBarWidth(40), 273) << "past the top the bar stays full";
}

TEST(StatisticsLevels, PicturesReloadOnlyWhenTheLevelChangesAndTheLevelNeverFalls) {
    StatisticsState state;
    EXPECT_EQ(state.ShownLevel(), kNoShownLevel);
    EXPECT_TRUE(state.Redraw().reloadPictures) << "the first paint loads level 0";
    EXPECT_FALSE(state.Redraw().reloadPictures);

    state.SetLoadedCounts({0, 0, 0, 499'999, 0, 0});
    state.CountHostEvent(kWheelUpEvent);
    const TrophyRedraw grown = state.Redraw();
    EXPECT_EQ(grown.level, 2);
    EXPECT_TRUE(grown.reloadPictures);

    state.SetLoadedCounts({});  // fewer counts than the level earned: the level stays
    EXPECT_EQ(state.Redraw().level, 2);

    state.Reset();
    EXPECT_EQ(state.Counts(), StatisticsCounts{});
    EXPECT_EQ(state.ShownLevel(), kNoShownLevel);
    const TrophyRedraw afterReset = state.Redraw();
    EXPECT_EQ(afterReset.level, 0);
    EXPECT_TRUE(afterReset.reloadPictures) << "reset reloads the pictures although the level was 0 once";
}

TEST(StatisticsCounting, EachHostEventAddsToItsOwnCounterAndSideButtonsToNone) {
    StatisticsState state;
    const uint32_t events[] = {0x201, 0x201, 0x207, 0x204, 0x204, 0x204, 0x20A01, 0x20A00, 0x20A00,
                               // side buttons, releases and moves count nothing
                               0x1020B, 0x2020B, 0x202, 0x200, 0x20A, 0};
    int counted = 0;
    for (uint32_t code : events) {
        counted += state.CountHostEvent(code) ? 1 : 0;
    }
    EXPECT_EQ(counted, 9);
    EXPECT_EQ(state.Counts(), (StatisticsCounts{2, 1, 3, 1, 2, 0}));

    StatisticsState sides;
    EXPECT_FALSE(sides.CountHostEvent(0x2020B));
    EXPECT_FALSE(sides.CountHostEvent(0x1020B));
    EXPECT_FALSE(sides.ChangedSinceSave()) << "forward and back change nothing";
}

TEST(StatisticsCounting, TravelAddsTheCityBlockDistanceBetweenSamplesAndWraps) {
    StatisticsState state;
    state.StartSampling({100, 100});
    EXPECT_EQ(state.Counts().pointerTravel, 0u) << "the first position adds nothing";
    state.AddSample({103, 104});
    EXPECT_EQ(state.Counts().pointerTravel, 7u) << "3 right and 4 down";
    state.AddSample({100, 100});
    EXPECT_EQ(state.Counts().pointerTravel, 14u) << "moving back adds as much again";
    state.AddSample({100, 100});
    EXPECT_EQ(state.Counts().pointerTravel, 14u);
    state.AddSample({-1820, 1300});  // onto a monitor left of the main one
    EXPECT_EQ(state.Counts().pointerTravel, 14u + 1920 + 1200);

    StatisticsState full;
    full.SetLoadedCounts({0, 0, 0, 0, 0, 0xFFFFFFFA});
    full.StartSampling({0, 0});
    full.AddSample({10, 0});
    EXPECT_EQ(full.Counts().pointerTravel, 4u) << "32-bit travel wraps as the file's field does";
}

TEST(StatisticsFigures, CountsTotalsAndTravelAsShown) {
    const auto texts = FigureTexts({12, 3, 4'000'000'000u, 7, 8, 123'456});
    const std::u16string expected[] = {u"12", u"3", u"4000000000", u"4000000015",
                                       u"7",  u"8", u"15",         u"12.35"};
    for (int i = 0; i < layout::statistics_page::kFigureCount; ++i) {
        EXPECT_EQ(texts[static_cast<size_t>(i)], expected[i]) << "figure " << i;
    }
    EXPECT_EQ(FigureTexts({}).back(), u"0.00");
}

TEST(StatisticsFigures, ChineseRowsSitFurtherRightAndTheTravelRowFurthest) {
    namespace sts = layout::statistics_page;
    const layout::Rect left = sts::FigureRect(sts::kLeft, false);
    EXPECT_EQ(left.left, 152);
    EXPECT_EQ(left.right, 227);
    EXPECT_EQ(left.top, 85);
    EXPECT_EQ(left.bottom, 106);
    EXPECT_EQ(sts::FigureRect(sts::kWheelTotal, true).left, 167);
    EXPECT_EQ(sts::FigureRect(sts::kWheelTotal, true).right, 242);
    EXPECT_EQ(sts::FigureRect(sts::kTravel, true).left, 187);
    EXPECT_EQ(sts::FigureRect(sts::kTravel, true).right, 262);
}

TEST(StatisticsStatus, TrophyAndResetAskForTheirTextsOneWiderPixelAround) {
    struct Row {
        layout::Point at;
        int code;
    };
    const Row rows[] = {
        {{400, 200}, kStatusTrophy},
        {{308, 0}, kStatusTrophy},
        {{607, 451}, kStatusTrophy},
        {{307, 10}, 0},
        {{702, 378}, kStatusReset},
        {{832, 410}, kStatusReset},
        {{833, 395}, 0},
        {{160, 90}, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(StatisticsStatusCodeAt(row.at), row.code) << row.at.x << "," << row.at.y;
    }
}

class StatisticsFileTest : public ::testing::Test {
protected:
    std::filesystem::path Path() const { return StatisticsFilePath(temp_.path()); }

    test::TempDir temp_;
    test::RecordingNotifier notifier_;
    UiLanguage language_ = test::MessageTextsLanguage();
    StatisticsFile file_{temp_.path(), notifier_, language_};
};

TEST_F(StatisticsFileTest, ReadsTheFirstTwentyFourBytesWhateverTheFileLength) {
    const StatisticsCounts stored{1, 2, 3, 4, 5, 6};
    struct Row {
        std::vector<uint8_t> bytes;
        StatisticsCounts expected;
        const char* why;
    };
    std::vector<uint8_t> longer = FileBytes(stored);
    longer.resize(100, 0xEE);
    const Row rows[] = {
        {FileBytes(stored), stored, "the whole file"},
        {{7, 0, 0, 0, 9, 0, 0, 0}, {7, 9, 0, 0, 0, 0}, "8 bytes: left and middle, zeros for the rest"},
        {{}, {}, "an empty file: all zero"},
        {longer, stored, "bytes past the 24th are ignored"},
    };
    for (const Row& row : rows) {
        WriteAllBytes(Path(), row.bytes);
        EXPECT_EQ(file_.Load(), row.expected) << row.why;
    }
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(StatisticsFileTest, AMissingFileIsToldWithItsPathAndTheNextSaveCreatesIt) {
    EXPECT_EQ(file_.Load(), StatisticsCounts{});
    const std::string expected =
        "info: Failed to open file, check whether there is a " + test::Narrow(PathText(Path())) + " path?";
    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{expected});

    StatisticsState state;
    state.SetLoadedCounts(file_.Load());
    state.CountHostEvent(kLeftPressEvent);
    notifier_.shown.clear();
    EXPECT_TRUE(SaveStatistics(state, file_));
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({1, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(notifier_.shown.empty()) << "creating the file is no failure";
}

TEST_F(StatisticsFileTest, ALongerFileIsReplacedByACleanOneOnTheNextSave) {
    std::vector<uint8_t> damaged = FileBytes({10, 20, 30, 40, 50, 60});
    damaged.resize(4096, 0xAB);
    WriteAllBytes(Path(), damaged);
    StatisticsState state;
    state.SetLoadedCounts(file_.Load());
    state.CountHostEvent(kRightPressEvent);
    ASSERT_TRUE(SaveStatistics(state, file_));
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({10, 20, 31, 40, 50, 60}));
}

TEST_F(StatisticsFileTest, AFolderInPlaceOfTheFileLoadsZerosAndItsSaveIsRefused) {
    std::filesystem::create_directories(Path());
    EXPECT_EQ(file_.Load(), StatisticsCounts{});
    EXPECT_TRUE(notifier_.shown.empty()) << "not a missing file";
    EXPECT_FALSE(file_.Save({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{"box Info: Access denied while saving"});
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

// Sts.cfg was there at start-up but could not be read (another program held it): what it holds is
// years of counting, which the saves must not replace with this run's counts alone.
TEST_F(StatisticsFileTest, CountsOfAFileUnreadableAtStartAreAddedOnceItCanBeRead) {
    std::filesystem::create_directories(Path());  // unreadable as a file, on every system
    StatisticsState state;
    state.SetLoadedCounts(file_.Load());
    ASSERT_TRUE(file_.HoldsUnreadCounts());
    state.CountHostEvent(kLeftPressEvent);
    EXPECT_FALSE(AutosaveStatistics(state, file_)) << "the periodic save leaves an unread file alone";

    std::filesystem::remove(Path());
    WriteAllBytes(Path(), FileBytes({1'000'000, 2, 3, 4, 5, 0xFFFFFFFF}));
    state.CountHostEvent(kLeftPressEvent);
    state.StartSampling({0, 0});
    state.AddSample({0, 2});
    ASSERT_TRUE(SaveStatistics(state, file_));
    const StatisticsCounts sum{1'000'002, 2, 3, 4, 5, 1};
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes(sum)) << "stored plus counted, travel wrapping";
    EXPECT_EQ(state.Counts(), sum) << "the page shows the sum";
    EXPECT_EQ(state.Redraw().level, 3);
    ASSERT_TRUE(SaveStatistics(state, file_));
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes(sum)) << "taken over once, not at every save";

    // A reset wants no old counts back.
    std::filesystem::remove(Path());
    std::filesystem::create_directories(Path());
    StatisticsState fresh;
    fresh.SetLoadedCounts(file_.Load());
    std::filesystem::remove(Path());
    WriteAllBytes(Path(), FileBytes({7, 7, 7, 7, 7, 7}));
    ASSERT_TRUE(ResetStatistics(fresh, file_, notifier_, PairLanguage::kEnglish));
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({}));
}

TEST_F(StatisticsFileTest, SaveFailuresShowTheirCatalogueTextsAndTheQuietSaveShowsNone) {
    struct Row {
        std::function<void()> arrange;
        std::vector<std::string> shown;
        const char* why;
    };
    const std::filesystem::path gone = temp_.path() / "gone";
    StatisticsFile missingFolder(gone, notifier_, language_);
    const std::string missingText =
        "box Info: File " + test::Narrow(PathText(StatisticsFilePath(gone))) + " was not found";
    ASSERT_FALSE(missingFolder.Save({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{missingText}) << "a missing data folder";
    notifier_.shown.clear();
    ASSERT_FALSE(missingFolder.Save({1, 2, 3, 4, 5, 6}, true));
    EXPECT_TRUE(notifier_.shown.empty()) << "quiet";

    file_.SetFileWriter(test::DenyingWriter());
    EXPECT_FALSE(file_.Save({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{"box Info: Access denied while saving"});
    notifier_.shown.clear();

    // A write that fails half-way is silent and leaves the old counts whole.
    WriteAllBytes(Path(), FileBytes({9, 9, 9, 9, 9, 9}));
    file_.SetFileWriter(test::HalfWayFailingWriter());
    EXPECT_FALSE(file_.Save({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(notifier_.shown.empty());
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({9, 9, 9, 9, 9, 9}));
}

TEST_F(StatisticsFileTest, ResetAsksFirstAndOnlyOkZeroesMemoryAndFile) {
    WriteAllBytes(Path(), FileBytes({500'000, 1, 2, 3, 4, 5}));
    StatisticsState state;
    state.SetLoadedCounts(file_.Load());
    ASSERT_EQ(state.Redraw().level, 2);

    notifier_.answer = kInfoCancel;
    EXPECT_FALSE(ResetStatistics(state, file_, notifier_, PairLanguage::kEnglish));
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text, u"Do you want to reset trophy data ?");
    EXPECT_TRUE(notifier_.shown[0].infoDialog && notifier_.shown[0].twoButtons);
    EXPECT_EQ(state.Counts().leftPresses, 500'000u) << "cancel changes nothing";
    EXPECT_EQ(state.TrophyLevel(), 2);
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({500'000, 1, 2, 3, 4, 5}));

    notifier_.answer = kInfoOk;
    notifier_.shown.clear();
    EXPECT_TRUE(ResetStatistics(state, file_, notifier_, PairLanguage::kChinese));
    EXPECT_EQ(notifier_.shown[0].text, u"确定要重置奖杯和统计数据么？");
    EXPECT_EQ(state.Counts(), StatisticsCounts{});
    EXPECT_EQ(state.TrophyLevel(), 0);
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({}));
    EXPECT_FALSE(state.ChangedSinceSave());
}

TEST_F(StatisticsFileTest, ThePeriodicSaveWritesOnlyWhatChangedAndRetriesAfterAFailure) {
    StatisticsState state;
    state.SetLoadedCounts(file_.Load());  // missing: counts from zero
    notifier_.shown.clear();
    EXPECT_FALSE(AutosaveStatistics(state, file_)) << "nothing counted, nothing written";
    EXPECT_FALSE(std::filesystem::exists(Path()));

    state.CountHostEvent(kWheelDownEvent);
    file_.SetFileWriter(test::HalfWayFailingWriter());
    EXPECT_FALSE(AutosaveStatistics(state, file_));
    EXPECT_TRUE(state.ChangedSinceSave()) << "a failed save is tried again next time";

    file_.SetFileWriter(AtomicFileWriter());
    EXPECT_TRUE(AutosaveStatistics(state, file_));
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({0, 0, 0, 0, 1, 0}));
    EXPECT_FALSE(AutosaveStatistics(state, file_)) << "unchanged since";

    state.StartSampling({0, 0});
    state.AddSample({0, 0});
    EXPECT_FALSE(state.ChangedSinceSave()) << "a still pointer changes nothing";
    state.AddSample({5, 0});
    EXPECT_TRUE(AutosaveStatistics(state, file_));
    EXPECT_EQ(ReadAllBytes(Path()), FileBytes({0, 0, 0, 0, 1, 5}));
    EXPECT_TRUE(notifier_.shown.empty());
}

}  // namespace
}  // namespace kx90::pages
