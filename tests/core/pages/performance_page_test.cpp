// The buttons-and-performance page's rules: levels, rate, sliders, accuracy, wheel scrolling, the
// function tabs, the help-line codes and the markers.
#include "core/pages/performance_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/buttons/function_catalogue.h"
#include "core/i18n/ui_language.h"
#include "support/device_fakes.h"
#include "support/fakes.h"

namespace kx90::pages {
namespace {

using Levels = std::vector<uint32_t>;

// dpiLevels with the given values first and zeros after.
void SetLevels(ProfileRecord& record, const Levels& values) {
    std::fill(std::begin(record.dpiLevels), std::end(record.dpiLevels), 0u);
    std::copy(values.begin(), values.end(), record.dpiLevels);
}

Levels AllSlots(const ProfileRecord& record) {
    return Levels(std::begin(record.dpiLevels), std::end(record.dpiLevels));
}

Levels Padded(Levels values) {
    values.resize(kDpiSlotCount, 0);
    return values;
}

std::vector<int> OnButtons(const PerformanceView& view) {
    std::vector<int> on;
    for (int j = 0; j < kLevelButtonCount; ++j) {
        if (view.levels[static_cast<size_t>(j)]) {
            on.push_back(j);
        }
    }
    return on;
}

class PerformancePageTest : public ::testing::Test {
protected:
    PerformancePageTest() { ResetToDefaults(record_); }

    const PerformanceView& Refresh() { return page_.RefreshFromRecord(record_); }

    ProfileRecord record_{};
    PerformancePageState page_;
};

TEST_F(PerformancePageTest, LevelClicksKeepOneToSevenAndRewriteTheListAscending) {
    // Button indices: 0 = 500, 1 = 750, 3 = 1250, 13 = 7000.
    struct Row {
        Levels stored;
        int click;
        Levels expected;
        const char* what;
    };
    const Row rows[] = {
        {{750, 1250, 1500, 2000, 2500, 3500, 4000},
         0,
         {750, 1250, 1500, 2000, 2500, 3500, 4000},
         "an eighth level is ignored and the list rewritten unchanged"},
        {{750, 1250, 1500, 2000, 2500, 3500, 4000},
         3,
         {750, 1500, 2000, 2500, 3500, 4000},
         "with seven on, one goes off"},
        {{1250}, 3, {1250}, "the only level stays on"},
        {{7000, 500}, 1, {500, 750, 7000}, "a new level lands in ascending order"},
        {{750, 1750, 4000}, 13, {750, 4000, 7000}, "1750 shows no button and is gone after a click"},
        {{0, 0, 1750}, 13, {7000}, "a list with no known value takes the first click"},
        {{500, 500, 750}, 13, {500, 750, 7000}, "a value stored twice is one button"},
        {{1250}, 14, {1250}, "no button 14: nothing is written"},
    };
    for (const Row& r : rows) {
        SetLevels(record_, r.stored);
        Refresh();
        page_.ClickLevel(r.click, record_);
        EXPECT_EQ(AllSlots(record_), Padded(r.expected)) << r.what;
    }

    // The ignored click rewrites too: slots past seven that held anything are cleared.
    SetLevels(record_, {750, 1250, 1500, 2000, 2500, 3500, 4000, 5000});
    Refresh();
    page_.ClickLevel(0, record_);
    EXPECT_EQ(AllSlots(record_), Padded({750, 1250, 1500, 2000, 2500, 3500, 4000}));
}

TEST_F(PerformancePageTest, OnlyTheFirstSevenSlotsShowButtons) {
    SetLevels(record_, {7000, 6000, 5000, 4000, 3500, 3250, 3000, 2500, 2000, 1500, 1250, 1000, 750, 500});
    EXPECT_EQ(OnButtons(Refresh()), (std::vector<int>{7, 8, 9, 10, 11, 12, 13}));

    SetLevels(record_, {750, 1750, 0, 4000});
    EXPECT_EQ(OnButtons(Refresh()), (std::vector<int>{1, 10}));
    EXPECT_EQ(record_.dpiLevels[1], 1750u) << "a refresh never writes";
}

TEST(ValidateScrollLines, DropsLeadingZerosNeverGivesZeroAndLimitsToThirty) {
    struct Row {
        std::u16string_view typed;
        std::u16string_view shown;
        int count;
    };
    const Row rows[] = {
        {u"007", u"7", 7},   {u"0", u"1", 1},
        {u"00", u"1", 1},    {u"", u"1", 1},
        {u"45", u"30", 30},  {u"30", u"30", 30},
        {u"31", u"30", 30},  {u"1", u"1", 1},
        {u"010", u"10", 10}, {u"99999999999999999999", u"30", 30},  // no overflow on a long paste
    };
    for (const Row& r : rows) {
        const LineCountEntry e = ValidateScrollLines(r.typed);
        const std::string what(r.typed.begin(), r.typed.end());
        EXPECT_EQ(e.text, r.shown) << what;
        EXPECT_EQ(e.count, r.count) << what;
        EXPECT_EQ(e.caret, r.shown.size()) << what;
    }

    // Pasted text that is not all digits: only the digits count.
    const Row pasted[] = {
        {u"-1", u"1", 1},     // not one-screen, and never negative
        {u"abc", u"1", 1},    // nothing left: 1, never 0
        {u"1a2", u"12", 12},  // digits around a letter
        {u" 0 5", u"5", 5},   // zeros before the first other digit are still leading
    };
    for (const Row& r : pasted) {
        const LineCountEntry e = ValidateScrollLines(r.typed);
        const std::string what(r.typed.begin(), r.typed.end());
        EXPECT_EQ(e.text, r.shown) << what;
        EXPECT_EQ(e.count, r.count) << what;
    }
}

TEST_F(PerformancePageTest, OneScreenStoresMinusOneAndLinesBringsBackTheLastCount) {
    record_.scrollLines = kScrollOneScreen;
    const PerformanceView& view = Refresh();
    EXPECT_TRUE(view.ScreenOptionOn());
    EXPECT_FALSE(view.LinesOptionOn());
    EXPECT_FALSE(view.LineControlsEnabled());
    EXPECT_EQ(view.lineCount, 1);

    page_.ClickLinesUp(record_);
    EXPECT_EQ(record_.scrollLines, kScrollOneScreen) << "the arrows are disabled in one-screen mode";
    EXPECT_EQ(page_.CommitScrollLines(u"12", record_).text, u"1");
    EXPECT_EQ(record_.scrollLines, kScrollOneScreen) << "a commit never overwrites one-screen";

    page_.ChooseLines(record_);
    EXPECT_EQ(record_.scrollLines, 1) << "1 after a refresh from a one-screen record";
    EXPECT_TRUE(view.LineControlsEnabled());

    EXPECT_EQ(page_.CommitScrollLines(u"007", record_).count, 7);
    EXPECT_EQ(record_.scrollLines, 7);
    page_.ChooseOneScreen(record_);
    EXPECT_EQ(record_.scrollLines, kScrollOneScreen);
    page_.ChooseLines(record_);
    EXPECT_EQ(record_.scrollLines, 7);
}

TEST_F(PerformancePageTest, ArrowsStepTheCountWithinOneToThirty) {
    record_.scrollLines = 2;
    Refresh();
    const int expected[] = {1, 1};
    for (int e : expected) {
        EXPECT_EQ(page_.ClickLinesDown(record_).lineCount, e);
        EXPECT_EQ(record_.scrollLines, e);
    }
    page_.CommitScrollLines(u"29", record_);
    EXPECT_EQ(page_.ClickLinesUp(record_).lineCount, 30);
    EXPECT_EQ(page_.ClickLinesUp(record_).lineCount, 30);
    EXPECT_EQ(record_.scrollLines, 30);
}

TEST_F(PerformancePageTest, AStoredCountOutOfRangeShowsClampedAndStaysUntilTouched) {
    struct Row {
        int32_t stored;
        int shown;
    };
    for (const Row r : {Row{99, 30}, Row{0, 1}, Row{-5, 1}}) {
        record_.scrollLines = r.stored;
        const PerformanceView& view = Refresh();
        EXPECT_TRUE(view.LinesOptionOn()) << r.stored;
        EXPECT_EQ(view.lineCount, r.shown) << r.stored;

        // Timer 152 commits what the refresh put into the edit: not a touch.
        const LineCountEntry e = page_.CommitScrollLines(LineCountText(r.shown), record_);
        EXPECT_EQ(e.count, r.shown) << r.stored;
        EXPECT_EQ(record_.scrollLines, r.stored) << r.stored;

        // Typing something else is.
        page_.CommitScrollLines(u"45", record_);
        EXPECT_EQ(record_.scrollLines, 30) << r.stored;
    }

    record_.scrollLines = 0;
    Refresh();
    page_.ClickLinesUp(record_);
    EXPECT_EQ(record_.scrollLines, 2) << "an arrow is a touch";
    page_.CommitScrollLines(u"2", record_);
    EXPECT_EQ(record_.scrollLines, 2);
}

TEST_F(PerformancePageTest, RateButtonsShowTheStoredCodeAndWriteTheirOwn) {
    struct Row {
        uint32_t stored;
        int shownButton;  // -1: none
    };
    const Row rows[] = {{8, 0}, {4, 1}, {2, 2}, {1, 3}, {0, -1}, {3, -1}, {16, -1}};
    for (const Row& r : rows) {
        record_.reportRate = r.stored;
        const PerformanceView& view = Refresh();
        for (int i = 0; i < kRateButtonCount; ++i) {
            EXPECT_EQ(view.rates[static_cast<size_t>(i)], i == r.shownButton) << r.stored << " button " << i;
        }
        EXPECT_EQ(record_.reportRate, r.stored) << "a refresh never writes";
    }

    const uint32_t codes[] = {8, 4, 2, 1};
    for (int i = 0; i < kRateButtonCount; ++i) {
        const PerformanceView& view = page_.ClickRate(i, record_);
        EXPECT_EQ(record_.reportRate, codes[i]);
        EXPECT_EQ(std::count(view.rates.begin(), view.rates.end(), true), 1);
        EXPECT_TRUE(view.rates[static_cast<size_t>(i)]);
    }
    page_.ClickRate(4, record_);
    EXPECT_EQ(record_.reportRate, 1u) << "no button 4";
}

TEST_F(PerformancePageTest, SlidersStoreTheirRangeAndTheLeftEndIsOne) {
    struct Row {
        int id;
        int position;
        bool handled;
        uint32_t speed;
        uint32_t height;
    };
    const Row rows[] = {
        {0xA00, 0, true, 1, 7},   {0xA00, 1, true, 1, 7},   {0xA00, 20, true, 20, 7},
        {0xA00, 21, true, 20, 7}, {0xA02, 0, true, 10, 1},  {0xA02, 30, true, 10, 30},
        {0xA02, -3, true, 10, 1}, {0xA01, 5, false, 10, 7}, {0x800, 5, false, 10, 7},
    };
    for (const Row& r : rows) {
        record_.pointerSpeed = 10;
        record_.heightSetting = 7;
        EXPECT_EQ(page_.SliderMoved(r.id, r.position, record_), r.handled) << r.id << " " << r.position;
        EXPECT_EQ(record_.pointerSpeed, r.speed) << r.id << " " << r.position;
        EXPECT_EQ(record_.heightSetting, r.height) << r.id << " " << r.position;
    }

    record_.pointerSpeed = 0;
    record_.heightSetting = 99;
    const PerformanceView& view = Refresh();
    EXPECT_EQ(view.pointerSpeed, 1);
    EXPECT_EQ(view.liftHeight, 30);
    EXPECT_EQ(record_.pointerSpeed, 0u);
    EXPECT_EQ(record_.heightSetting, 99u);
}

TEST_F(PerformancePageTest, ImproveAccuracyIsOnOnlyForOneAndFlipsToOneOrZero) {
    for (uint32_t stored : {0u, 2u}) {
        record_.enhancePrecision = stored;
        EXPECT_FALSE(Refresh().improveAccuracy) << stored;
    }
    record_.enhancePrecision = 1;
    EXPECT_TRUE(Refresh().improveAccuracy);
    EXPECT_FALSE(page_.ClickImproveAccuracy(record_).improveAccuracy);
    EXPECT_EQ(record_.enhancePrecision, 0u);
    page_.ClickImproveAccuracy(record_);
    EXPECT_EQ(record_.enhancePrecision, 1u);
}

// The factory record, a macro library and the contexts the tab click needs.
class PerformanceTabTest : public PerformancePageTest {
protected:
    PerformanceTabTest() : library_("unused", libraryNotifier_, libraryLanguage_, clock_) {}

    AssignmentContext Context() {
        return {record_, macroIds_, library_, keyboard_, notifier_, PairLanguage::kEnglish};
    }
    std::vector<int> Changed() const {
        std::vector<int> on;
        for (int k = 0; k < kButtonCount; ++k) {
            if (page_.View().tabChanged[static_cast<size_t>(k)]) {
                on.push_back(k);
            }
        }
        return on;
    }

    test::RecordingNotifier libraryNotifier_;
    UiLanguage libraryLanguage_;
    test::FakeClock clock_;
    MacroLibrary library_;
    test::UsKeyboardLayout keyboard_;
    test::RecordingNotifier notifier_;
    std::array<uint32_t, kButtonCount> macroIds_{};
};

TEST_F(PerformanceTabTest, TabsAreMarkedWhenTheButtonIsNotItsFactoryFunction) {
    Refresh();
    EXPECT_TRUE(Changed().empty());

    record_.buttons[kButtonRight].functionCode = 1;  // Click on the right button
    record_.buttons[kButtonWheelDown].functionCode = kFunctionMacro;
    record_.buttons[kButtonMiddle].functionCode = 4;  // its own factory code
    Refresh();
    EXPECT_EQ(Changed(), (std::vector<int>{kButtonRight, kButtonWheelDown}));
}

TEST_F(PerformanceTabTest, ATabClickFixesTheNameThenStoresAndMarksOnlyWhatWasStored) {
    SetFieldText(record_.buttons[kButtonForward].displayName, u"后退");  // another row's Chinese name
    EXPECT_EQ(BeginTabClick(kButtonForward, record_, PairLanguage::kEnglish), u"Back");
    EXPECT_EQ(FieldText(record_.buttons[kButtonForward].displayName), u"Back");
    EXPECT_EQ(BeginTabClick(7, record_, PairLanguage::kEnglish), u"");
    Refresh();

    AssignmentChoice choice;
    choice.buttonIndex = kButtonForward;
    choice.value = 2;  // Menu
    EXPECT_FALSE(FinishTabClick(page_, PopupClose::kCancelled, choice, Context()));
    EXPECT_TRUE(Changed().empty());
    EXPECT_TRUE(FinishTabClick(page_, PopupClose::kOk, choice, Context()));
    EXPECT_EQ(record_.buttons[kButtonForward].functionCode, 2u);
    EXPECT_EQ(Changed(), (std::vector<int>{kButtonForward}));

    choice.buttonIndex = kButtonLeft;  // the only Click: refused, nothing changes
    EXPECT_FALSE(FinishTabClick(page_, PopupClose::kOk, choice, Context()));
    EXPECT_EQ(Changed(), (std::vector<int>{kButtonForward}));
    ASSERT_EQ(notifier_.shown.size(), 1u);

    choice.buttonIndex = kButtonForward;
    choice.value = static_cast<int32_t>(DefaultButtonFunctions[kButtonForward]);
    EXPECT_TRUE(FinishTabClick(page_, PopupClose::kOk, choice, Context()));
    EXPECT_TRUE(Changed().empty()) << "back to the factory function";
}

TEST(PerformanceStatusCodes, EveryZoneWidenedByOnePixelAsksItsCode) {
    namespace pp = layout::performance_page;
    struct Row {
        layout::Point cursor;
        bool chinese;
        std::vector<int> codes;
        const char* what;
    };
    const layout::Rect level0 = pp::kLevelButtons[0];  // (69,66,109,78)
    const Row rows[] = {
        {{level0.left, level0.top}, false, {12}, "a level button's corner"},
        {{level0.left - 1, level0.top - 1}, false, {12}, "one pixel out, widened"},
        {{level0.right, level0.bottom}, false, {12}, "past the exclusive edge by one, widened"},
        {{level0.right + 1, level0.top}, false, {}, "two pixels out"},
        {{150, 170}, false, {13}, "pointer-speed slider"},
        {{100, 210}, false, {14}, "improve accuracy"},
        {{500, 170}, false, {15}, "lift-height slider"},
        {{300, 310}, false, {16}, "1000 Hz"},
        {{600, 340}, false, {17}, "lines option, wide in English"},
        {{600, 340}, true, {}, "the Chinese lines option ends at 558"},
        {{500, 385}, false, {18}, "one-screen option"},
        {{500, 385}, true, {}, "the Chinese one-screen option ends at 375"},
        {{50, 420}, false, {65}, "tab 0"},
        {{112, 420}, false, {65, 65}, "tabs 0 and 1 overlap"},
        {{100, 35}, true, {61}, "a caption zone"},
        {{800, 150}, false, {}, "the markers have no code"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(StatusCodesAt(r.cursor, r.chinese), r.codes) << r.what;
    }
}

TEST(PerformanceMarkers, ATabsBandLeavesSeventeenPixelsEachSideAndNeedsTheForeground) {
    const layout::Rect band = MarkerBand(0);  // tab 0 spans x 19..127, y 408..441
    ASSERT_EQ(band.left, 36);
    ASSERT_EQ(band.right, 110);
    struct Row {
        layout::Point cursor;
        bool foreground;
        MarkerLook look;
        const char* what;
    };
    const Row rows[] = {
        {{36, 408}, true, MarkerLook::kOn, "left and top edges are inside"},
        {{109, 440}, true, MarkerLook::kOn, "last pixel inside"},
        {{35, 420}, true, MarkerLook::kOff, "within the 17 pixels on the left"},
        {{110, 420}, true, MarkerLook::kOff, "within the 17 pixels on the right"},
        {{50, 407}, true, MarkerLook::kOff, "above"},
        {{50, 441}, true, MarkerLook::kOff, "below"},
        {{50, 420}, false, MarkerLook::kKeep, "inside, another window in front"},
        {{35, 420}, false, MarkerLook::kOff, "outside goes off even in the background"},
    };
    for (const Row& r : rows) {
        const auto looks = MarkerLooks(r.cursor, r.foreground);
        EXPECT_EQ(looks[0], r.look) << r.what;
        for (int k = 1; k < kButtonCount; ++k) {
            EXPECT_EQ(looks[static_cast<size_t>(k)], MarkerLook::kOff) << r.what << ", marker " << k;
        }
    }
}

TEST(MissingInstallationFile, NamesTheFileInTheInterfaceLanguage) {
    EXPECT_EQ(MissingInstallationFileText(u"SkinMenu.dll", PairLanguage::kEnglish),
              u"The installation is damaged: SkinMenu.dll is missing.");
    EXPECT_EQ(MissingInstallationFileText(u"SkinMenu.dll", PairLanguage::kChinese),
              u"\u5B89\u88C5\u5DF2\u635F\u574F\uFF0C\u7F3A\u5C11 SkinMenu.dll\u3002");
}

}  // namespace
}  // namespace kx90::pages
