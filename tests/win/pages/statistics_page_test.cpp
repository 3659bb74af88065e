// The statistics page in the running main window: real clicks, wheel turns and pointer moves
// counted through the program's own low-level hook, the counts kept across a restart with the
// trophy they earn, and the reset with its question.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/main_window_fixture.h"
#include "core/layout/main_window_layout.h"
#include "core/platform/data_folders.h"
#include "support/gui_harness.h"
#include "win/pages/statistics_page.h"
#include "win/ui/text.h"

namespace kx90::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
namespace sts = layout::statistics_page;

std::vector<uint8_t> Bytes(const pages::StatisticsCounts& counts) {
    std::vector<uint8_t> bytes(sizeof counts);
    std::memcpy(bytes.data(), &counts, sizeof counts);
    return bytes;
}

// One button or wheel event of the real mouse at the pointer's place.
void InjectMouse(DWORD flags, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof input);
}

class StatisticsPageTest : public MainWindowTest {
protected:
    pages::CDlgSts& Page() { return *Window().PageOf<pages::CDlgSts>(); }
    const pages::StatisticsCounts& Counts() { return Page().Statistics().Counts(); }

    // Shows the page with a real click on its tab.
    void ShowStatisticsPage() {
        Click(Window().TabButton(4));
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Page().hwnd()) != FALSE; }, seconds(3)));
        PumpFor(milliseconds(200));
    }

    // A spot of the page with no control on it: below the figures' panel.
    POINT EmptySpot() { return ScreenPointOf(Page().hwnd(), POINT{160, 445}); }

    // Starts once to lay out the data folder, then again on a Sts.cfg holding counts.
    bool LaunchWithCounts(const pages::StatisticsCounts& counts, MainWindowSetup setup = {}) {
        if (!Launch(setup)) {
            return false;
        }
        Close();
        WriteAllBytes(StatisticsFilePath(Data()), Bytes(counts));
        setup.keepData = true;
        return Launch(setup);
    }

    void Screenshot(const char* name) {
        PumpFor(milliseconds(300));
        std::filesystem::create_directories(ScreenshotDir());
        EXPECT_TRUE(CaptureWindowToPng(Window().hwnd(), ScreenshotDir() / name)) << name;
    }
};

TEST_F(StatisticsPageTest, RealClicksAndWheelTurnsRaiseTheFiguresAndExitSavesThem) {
    ASSERT_TRUE(Launch());
    ShowStatisticsPage();
    ASSERT_TRUE(Page().Sampling());
    const pages::StatisticsCounts before = Counts();
    EXPECT_GE(before.leftPresses, 1u) << "the click on the tab was counted already";

    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(RealClickAt(Page().hwnd(), POINT{160, 445}));
    }
    RealMoveTo(EmptySpot());
    const struct {
        DWORD flags;
        DWORD data;
    } events[] = {
        {MOUSEEVENTF_RIGHTDOWN, 0},
        {MOUSEEVENTF_RIGHTUP, 0},
        {MOUSEEVENTF_RIGHTDOWN, 0},
        {MOUSEEVENTF_RIGHTUP, 0},
        {MOUSEEVENTF_MIDDLEDOWN, 0},
        {MOUSEEVENTF_MIDDLEUP, 0},
        {MOUSEEVENTF_WHEEL, WHEEL_DELTA},
        {MOUSEEVENTF_WHEEL, WHEEL_DELTA},
        {MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA)},
        // The side buttons are not counted.
        {MOUSEEVENTF_XDOWN, XBUTTON1},
        {MOUSEEVENTF_XUP, XBUTTON1},
        {MOUSEEVENTF_XDOWN, XBUTTON2},
        {MOUSEEVENTF_XUP, XBUTTON2},
    };
    for (const auto& e : events) {
        InjectMouse(e.flags, e.data);
        PumpFor(milliseconds(30));
    }
    pages::StatisticsCounts expected = before;
    expected.leftPresses += 3;
    expected.rightPresses += 2;
    expected.middlePresses += 1;
    expected.wheelUpNotches += 2;
    expected.wheelDownNotches += 1;
    EXPECT_TRUE(PumpUntil(
        [&] {
            expected.pointerTravel = Counts().pointerTravel;
            return Counts() == expected;
        },
        seconds(3)))
        << "left " << Counts().leftPresses << " middle " << Counts().middlePresses << " right "
        << Counts().rightPresses << " up " << Counts().wheelUpNotches << " down "
        << Counts().wheelDownNotches;

    // The pointer sampler adds what the pointer travels, twice a second. At least the driven path:
    // with a mouse hook in place Wine's GetCursorPos falls back to the X pointer (the screen's
    // centre) about 100 ms after an injected move, and those jumps count too.
    const uint32_t travel = Counts().pointerTravel;
    RealMoveTo(ScreenPointOf(Page().hwnd(), POINT{100, 445}));
    PumpFor(milliseconds(700));
    RealMoveTo(ScreenPointOf(Page().hwnd(), POINT{160, 445}));
    EXPECT_TRUE(PumpUntil([&] { return Counts().pointerTravel >= travel + 120; }, seconds(3)))
        << Counts().pointerTravel - travel;

    // Windows asking whether the session may end gets the counts saved first.
    SendMessageW(Window().hwnd(), WM_QUERYENDSESSION, 0, 0);
    const std::vector<uint8_t> atLogOff = ReadAllBytes(Page().FilePath());
    ASSERT_EQ(atLogOff.size(), 24u);
    EXPECT_EQ(std::memcmp(atLogOff.data(), &Counts(), 20), 0) << "the five button and wheel counts";

    // What the page shows is what it counted; at exit the counts reach Sts.cfg.
    Screenshot("statistics_counting_en.png");
    const pages::StatisticsCounts shown = Counts();
    const std::filesystem::path file = Page().FilePath();
    Close();
    const std::vector<uint8_t> saved = ReadAllBytes(file);
    ASSERT_EQ(saved.size(), 24u);
    pages::StatisticsCounts onDisk;
    std::memcpy(&onDisk, saved.data(), sizeof onDisk);
    EXPECT_EQ(onDisk.leftPresses, shown.leftPresses);
    EXPECT_EQ(onDisk.rightPresses, shown.rightPresses);
    EXPECT_EQ(onDisk.wheelUpNotches, shown.wheelUpNotches);
    EXPECT_EQ(onDisk.wheelDownNotches, shown.wheelDownNotches);
    EXPECT_GE(onDisk.pointerTravel, shown.pointerTravel);
}

TEST_F(StatisticsPageTest, StoredCountsShowTheirTrophyAndAResetAsksFirst) {
    // 2 600 000 wheel notches: level 6; the clicks alone would earn level 2.
    const pages::StatisticsCounts stored{500'000, 2, 3, 2'000'000, 600'000, 123'456'789};
    ASSERT_TRUE(LaunchWithCounts(stored));
    ShowStatisticsPage();
    EXPECT_EQ(Page().Statistics().TrophyLevel(), 6);
    EXPECT_EQ(Counts().wheelUpNotches, 2'000'000u);
    for (int i = 0; i < sts::kTrophyLevels; ++i) {
        EXPECT_EQ(Page().TrophyMarkOn(i), i <= 6) << "mark " << i;
    }
    RECT bar;
    GetClientRect(Page().LevelBar(), &bar);
    EXPECT_EQ(bar.right, pages::LevelBarWidth(6));
    Screenshot("statistics_level6_en.png");

    // Cancel: nothing is reset, in memory or on disk (the clicks themselves are counted).
    {
        DialogAnswerer cancel(skin::kInfoDialogTitle, L"Cancel", IDCANCEL, seconds(10),
                              ScreenshotDir() / "statistics_reset_question_en.png");
        Click(Page().ResetButton());
        EXPECT_TRUE(cancel.Answered());
    }
    PumpFor(milliseconds(100));
    EXPECT_GE(Counts().leftPresses, 500'000u);
    EXPECT_EQ(Counts().wheelUpNotches, 2'000'000u);
    EXPECT_EQ(Page().Statistics().TrophyLevel(), 6);
    EXPECT_EQ(ReadAllBytes(Page().FilePath()), Bytes(stored));

    {
        DialogAnswerer ok(skin::kInfoDialogTitle, L"OK", IDOK, seconds(10));
        Click(Page().ResetButton());
        EXPECT_TRUE(ok.Answered());
    }
    EXPECT_EQ(ReadAllBytes(Page().FilePath()), Bytes({}));
    EXPECT_TRUE(PumpUntil([&] { return Page().Statistics().ShownLevel() == 0; }, seconds(2)))
        << "the page repaints at level 0";
    EXPECT_LE(Counts().leftPresses, 1u) << "at most the press that closed the question";
    EXPECT_EQ(Counts().wheelUpNotches, 0u);
    EXPECT_TRUE(Page().TrophyMarkOn(0));
    EXPECT_FALSE(Page().TrophyMarkOn(1));
    GetClientRect(Page().LevelBar(), &bar);
    EXPECT_EQ(bar.right, pages::LevelBarWidth(0));
    Screenshot("statistics_level0_en.png");
}

TEST_F(StatisticsPageTest, AMissingStsCfgIsToldAtStartAndTheExitCreatesIt) {
    ASSERT_TRUE(Launch());
    Close();
    const std::filesystem::path file = StatisticsFilePath(Data());
    std::filesystem::remove(file);
    InfoAnswerer answer;
    MainWindowSetup again;
    again.keepData = true;
    ASSERT_TRUE(Launch(again));
    EXPECT_EQ(answer.Text(), L"Failed to open file, check whether there is a " + file.wstring() + L" path?");
    ShowStatisticsPage();
    EXPECT_EQ(Counts().leftPresses, 1u) << "counting from zero: the tab click";
    Close();
    EXPECT_EQ(ReadAllBytes(file).size(), 24u);
}

TEST_F(StatisticsPageTest, TheHelpLineNamesTheTrophyAndTheResetButton) {
    ASSERT_TRUE(Launch({.installedLanguages = true}));
    ShowStatisticsPage();
    ASSERT_TRUE(RealHoverAt(Page().hwnd(), POINT{450, 200}));
    EXPECT_TRUE(PumpUntil([&] { return !Window().StatusLine().empty(); }, seconds(2)));
    const std::wstring overTrophy = Window().StatusLine();
    ASSERT_TRUE(RealHoverAt(Page().hwnd(), POINT{760, 395}));
    EXPECT_TRUE(PumpUntil([&] { return Window().StatusLine() != overTrophy; }, seconds(2)));
    const std::wstring overReset = Window().StatusLine();
    EXPECT_EQ(overTrophy, ui::Wide(State().language.Strings().str_cups));
    EXPECT_EQ(overReset, ui::Wide(State().language.Strings().str_resetSts));
    ASSERT_TRUE(RealHoverAt(Page().hwnd(), POINT{160, 445}));
    EXPECT_TRUE(PumpUntil([&] { return Window().StatusLine().empty(); }, seconds(2)));
}

TEST_F(StatisticsPageTest, ScreenshotsInChineseAtLevelZeroAndAtTheTop) {
    MainWindowSetup chinese;
    chinese.languageIndex = 1;
    chinese.installedLanguages = true;
    ASSERT_TRUE(LaunchWithCounts({3'456'789, 98'765, 543'210, 10'000'000, 4'321, 987'654'321}, chinese));
    ShowStatisticsPage();
    EXPECT_EQ(Page().Statistics().TrophyLevel(), 12);
    Screenshot("statistics_level12_zh.png");
    Close();
    ASSERT_TRUE(Launch(chinese));
    ShowStatisticsPage();
    EXPECT_EQ(Page().Statistics().TrophyLevel(), 0);
    Screenshot("statistics_level0_zh.png");
}

}  // namespace
}  // namespace kx90::test
