// The buttons-and-performance page's rules: sensitivity levels, report rate, pointer settings, wheel
// scrolling, the seven function tabs, the help-line codes and the markers on the mouse picture.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/i18n/pair_language.h"
#include "core/layout/geometry.h"
#include "core/layout/performance_page_layout.h"
#include "core/pages/apply_assignment.h"
#include "core/pages/assignment_popup.h"
#include "core/pages/status_zones.h"
#include "core/profile/profile_record.h"

namespace kx90::pages {

inline constexpr int kLevelButtonCount = 14;  // one per value of layout::performance_page::kLevelValues
inline constexpr int kMaxChosenLevels = 7;    // the mouse switches between at most seven levels
inline constexpr int kRateButtonCount = 4;    // 125, 250, 500, 1000 Hz, as kReportRates

// reportRate code of each rate button, in button order.
inline constexpr uint32_t kRateButtonCodes[kRateButtonCount] = {kReportRate125Hz, kReportRate250Hz,
                                                                kReportRate500Hz, kReportRate1000Hz};

// The sliders' control ids (message 0x800's lParam) and ranges.
inline constexpr int kPointerSpeedSliderId = 0xA00;
inline constexpr int kLiftHeightSliderId = 0xA02;
inline constexpr int kPointerSpeedMax = 20;  // 1..20, the host's mouse-speed scale
inline constexpr int kLiftHeightMax = 30;    // 1..30

// Lines per wheel notch, the line-count edit (id 2563) and its arrows.
inline constexpr int kMinScrollLines = 1;
inline constexpr int kMaxScrollLines = 30;
inline constexpr int kLineCountEditId = 2563;

static_assert(std::size(layout::performance_page::kLevelValues) == kLevelButtonCount);
static_assert(std::size(layout::performance_page::kReportRates) == kRateButtonCount);
static_assert(kDpiSlotCount == kLevelButtonCount, "every level can be written into the record");

// Everything the page's controls show. The view sets its controls from this and nothing else.
struct PerformanceView {
    std::array<bool, kLevelButtonCount> levels{};  // level button j on
    int pointerSpeed = 1;                          // slider 0xA00, always 1..20
    bool improveAccuracy = false;                  // the toggle
    int liftHeight = 1;                            // slider 0xA02, always 1..30
    std::array<bool, kRateButtonCount> rates{};    // at most one on; none for an unknown code
    bool oneScreen = false;                        // which of the two scrolling options is on
    int lineCount = 1;                             // 1..30, shown in the edit (LineCountText)
    std::array<bool, kButtonCount> tabChanged{};   // tab k checked: button k is not its factory function

    bool LinesOptionOn() const { return !oneScreen; }
    bool ScreenOptionOn() const { return oneScreen; }
    // The edit and both arrows are enabled exactly while the lines option is on.
    bool LineControlsEnabled() const { return !oneScreen; }
};

// The edit's text for a line count ("%d").
std::u16string LineCountText(int count);

// What committing the line-count edit leaves behind.
struct LineCountEntry {
    std::u16string text;  // the edit's new text
    int count = 1;        // 1..30
    size_t caret = 0;     // caret position in UTF-16 units: always the end of text
};

// The line-count edit's text rule. Leading zeros are dropped; nothing left gives "1" and 1; any
// other value is limited to 30 and shown as a plain number ("007" -> "7", "45" -> "30").
// The edit takes digits only, but pasted text can still carry other characters: every non-digit
// is dropped before the rule applies, so "-1" counts as "1" (never one-screen) and "abc" as empty
// (1); nothing stores 0 or a negative count. Long digit runs cannot overflow: they become 30.
LineCountEntry ValidateScrollLines(std::u16string_view editText);

// The page's control states, kept in step with the live record. The view forwards every click and
// message here, writes nothing itself, and redraws from View(). Every call that changes something
// the user touched writes the live record at once; nothing here saves or talks to the mouse.
class PerformancePageState {
public:
    const PerformanceView& View() const { return view_; }

    // Every control from the record (another profile, defaults, page shown, back from the tray).
    // Level buttons come from dpiLevels slots 0..6 only; a value outside the choice (0, 1750, ...)
    // turns nothing on. Out-of-range values are shown clamped and left in the record until the
    // user touches their control: pointerSpeed to 1..20, heightSetting to 1..30, scrollLines (not
    // -1) to 1..30; enhancePrecision shows on only for 1; an unknown reportRate shows no rate.
    // scrollLines -1 shows one-screen with line count 1.
    const PerformanceView& RefreshFromRecord(const ProfileRecord& record);

    // Level button j (0..13; others ignored, record untouched). Between one and seven stay on: with
    // seven on a button that is off does not come on, and the only one on stays on. After every
    // click, the ignored ones included, dpiLevels is rewritten over all 14 slots: the values of the
    // buttons on in ascending order, then zeros.
    const PerformanceView& ClickLevel(int j, ProfileRecord& record);

    // The improve-accuracy toggle flips; enhancePrecision 1 or 0.
    const PerformanceView& ClickImproveAccuracy(ProfileRecord& record);

    // Rate button i (0..3 in kReportRates order; others ignored): it alone is on; reportRate gets
    // its code.
    const PerformanceView& ClickRate(int i, ProfileRecord& record);

    // Message 0x800: position into pointerSpeed (id 0xA00) or heightSetting (id 0xA02), limited to
    // the slider's range so the left end stores 1, never 0. Any other id is ignored (false).
    bool SliderMoved(int controlId, int position, ProfileRecord& record);

    // The lines option: on, scrollLines = the line count. The one-screen option: on, scrollLines -1.
    const PerformanceView& ChooseLines(ProfileRecord& record);
    const PerformanceView& ChooseOneScreen(ProfileRecord& record);

    // The arrows: line count +1 (at most 30) or -1 (at least 1) into scrollLines. Ignored while the
    // one-screen option is on (the arrows are disabled then).
    const PerformanceView& ClickLinesUp(ProfileRecord& record);
    const PerformanceView& ClickLinesDown(ProfileRecord& record);

    // Commits the edit's text (timer 152 while the lines option is on; the main window before
    // applying): ValidateScrollLines, then the count into the line count and scrollLines. The view
    // puts the returned text into the edit and the caret at its end.
    // Not written: while the one-screen option is on (the record keeps -1 and the entry is the
    // current count's), and while an out-of-range stored count still shows untouched, clamped, in
    // the edit (the text is exactly what the refresh put there).
    LineCountEntry CommitScrollLines(std::u16string_view editText, ProfileRecord& record);

    // Every tab's changed state from the record (after the assignment popup).
    const PerformanceView& RefreshTabs(const ProfileRecord& record);

private:
    void WriteLineCount(int count, ProfileRecord& record);

    PerformanceView view_;
    // The record's scrollLines was outside 1..30 at the last refresh and no scrolling control has
    // been touched since.
    bool storedLinesUntouched_ = false;
};

// Function tab k, before the assignment popup opens: the any-row default-name fix-up on button k's
// displayName (a default name in the other language becomes this language's). Returns the name
// to hand to the popup; empty for k outside 0..6.
std::u16string BeginTabClick(int k, ProfileRecord& record, PairLanguage language);

// After the popup: on PopupClose::kOk ApplyAssignment(popup's Choice(), context) (it shows its
// own refusals); then every tab's changed state is redrawn from context.record, whatever the
// result. Returns true when the choice was stored.
bool FinishTabClick(PerformancePageState& page, PopupClose close, const AssignmentChoice& choice,
                    const AssignmentContext& context);

// The help line: every control of the page with a status code, in the order the page asks them.
inline constexpr int kStatusLevels = 12;
inline constexpr int kStatusPointerSpeed = 13;
inline constexpr int kStatusImproveAccuracy = 14;
inline constexpr int kStatusLiftHeight = 15;
inline constexpr int kStatusReportRate = 16;
inline constexpr int kStatusLinesOption = 17;
inline constexpr int kStatusScreenOption = 18;
inline constexpr int kStatusFunctionTabs = 65;

inline constexpr int kStatusZoneCount = kLevelButtonCount + 3 + kRateButtonCount + 2 + kButtonCount +
                                        static_cast<int>(std::size(layout::performance_page::kCaptionZones));

// Levels, pointer speed, accuracy, lift height, rates, lines, one-screen, the tabs (their outline's
// bounds, which is their window rectangle), the caption zones.
inline constexpr std::array<StatusZone, kStatusZoneCount> kStatusZones = [] {
    namespace pp = layout::performance_page;
    std::array<StatusZone, kStatusZoneCount> zones{};
    size_t n = 0;
    auto add = [&](layout::Rect r, int code) { zones[n++] = {{r, r}, code}; };
    for (const layout::Rect& r : pp::kLevelButtons) {
        add(r, kStatusLevels);
    }
    add(pp::kPointerSpeedSlider, kStatusPointerSpeed);
    add(pp::kImproveAccuracy, kStatusImproveAccuracy);
    add(pp::kLiftHeightSlider, kStatusLiftHeight);
    for (const layout::Rect& r : pp::kRateButtons) {
        add(r, kStatusReportRate);
    }
    zones[n++] = {pp::kLinesOption, kStatusLinesOption};
    zones[n++] = {pp::kScreenOption, kStatusScreenOption};
    for (const layout::Quad& q : pp::kFunctionTabs) {
        add(q.Bounds(), kStatusFunctionTabs);
    }
    for (const layout::CaptionZone& z : pp::kCaptionZones) {
        zones[n++] = {z.rect, z.statusCode};
    }
    return zones;
}();

// The status codes to post (0x805, wParam 0) for a mouse move to cursor (page pixels).
inline std::vector<int> StatusCodesAt(layout::Point cursor, bool chineseUi) {
    return StatusCodesIn(kStatusZones, cursor, chineseUi);
}

// Timer 17: how marker k looks for a cursor in page pixels.
enum class MarkerLook {
    kOff,   // cursor outside tab k's hot band
    kOn,    // cursor inside it and the main window is the foreground window
    kKeep,  // cursor inside it, main window not in the foreground: leave the marker as it is
};

// Tab k's hot band: its window rectangle (the outline's bounds) narrowed by 17 pixels on the left
// and on the right, so the slanted neighbours' overlap does not light two markers.
layout::Rect MarkerBand(int k);

std::array<MarkerLook, kButtonCount> MarkerLooks(layout::Point cursor, bool mainWindowForeground);

}  // namespace kx90::pages

namespace kx90::pages {

// The notice a page shows once when a file of the installation it needs is missing or unusable
// (SkinMenu.dll): the rest of the program keeps working.
std::u16string MissingInstallationFileText(std::u16string_view fileName, PairLanguage language);

}  // namespace kx90::pages
