// The page tables place both the controls and the pictures drawn under them: every control must lie
// on its page in both layouts, and the controls of one row or grid must not cover each other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/layout/assignment_popup_layout.h"
#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/performance_page_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"

namespace kx90::layout {
namespace {

constexpr Size kPage{925, 452};

bool OnPage(const Rect& r) {
    return r.left >= 0 && r.top >= 0 && r.right <= kPage.width && r.bottom <= kPage.height && r.Width() > 0 &&
           r.Height() > 0;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Named {
    std::string name;
    Rect rect;
};

void AddBoth(std::vector<Named>& all, const std::string& name, const LocalizedRect& r) {
    all.push_back({name + " (Chinese)", r.chinese});
    all.push_back({name, r.other});
}

std::vector<Named> EveryControl() {
    std::vector<Named> all;
    namespace perf = performance_page;
    for (const Rect& r : perf::kLevelButtons) {
        all.push_back({"level button", r});
    }
    for (const Rect& r : perf::kRateButtons) {
        all.push_back({"rate button", r});
    }
    for (const Rect& r : perf::kButtonMarkers) {
        all.push_back({"button marker", r});
    }
    for (const Quad& q : perf::kFunctionTabs) {
        all.push_back({"function tab", q.Bounds()});
    }
    all.push_back({"pointer speed", perf::kPointerSpeedSlider});
    all.push_back({"lift height", perf::kLiftHeightSlider});
    all.push_back({"precision", perf::kImproveAccuracy});
    for (const auto& r :
         {perf::kLinesOption, perf::kLineCountEdit, perf::kLinesUp, perf::kLinesDown, perf::kScreenOption}) {
        AddBoth(all, "scroll control", r);
    }
    namespace light = lighting_page;
    for (const auto& r : light::kModeButtons) {
        AddBoth(all, "mode button", r);
    }
    for (const auto& r : light::kMultiColorSwatches) {
        AddBoth(all, "multi-colour swatch", r);
    }
    for (const auto& r : light::kColorSliders) {
        AddBoth(all, "colour slider", r);
    }
    for (int k = 0; k < light::kPresetCount; ++k) {
        AddBoth(all, "preset swatch " + std::to_string(k), light::PresetSwatch(k));
    }
    for (const auto& r :
         {light::kBreathSpeedSlider, light::kBrightnessSlider, light::kMultiColorSwitch,
          light::kCycleSpeedSlider, light::kProximityOn, light::kProximityOff, light::kSingleColorSwatch}) {
        AddBoth(all, "lighting control", r);
    }
    all.push_back({"colour wheel", light::kColorWheel});
    namespace macro = macro_page;
    for (const Rect& r : {macro::kGroupButton, macro::kMacroList, macro::kNewMacro, macro::kDeleteMacro,
                          macro::kEventList, macro::kRepeatField, macro::kRecordButton, macro::kNoPauseBox}) {
        all.push_back({"macro control", r});
    }
    for (const auto& r : {macro::kInsertEvent, macro::kDeleteEvent, macro::kModifyEvent, macro::kMouseLeft,
                          macro::kMouseMiddle, macro::kMouseRight, macro::kKeyOption, macro::kKeyField,
                          macro::kKeyOk, macro::kPauseOption, macro::kPauseField, macro::kPauseOk}) {
        AddBoth(all, "event editor control", r);
    }
    namespace sts = statistics_page;
    all.push_back({"trophy", sts::kTrophy});
    all.push_back({"level bar", sts::kLevelBar});
    all.push_back({"reset", sts::kResetButton});
    for (int i = 0; i < sts::kTrophyLevels; ++i) {
        all.push_back({"trophy mark " + std::to_string(i), sts::TrophyMark(i)});
    }
    for (const Rect& r : {support_page::kFirmwareUpdate, support_page::kWebSite, support_page::kImport,
                          support_page::kExport, support_page::kRestoreDefaults}) {
        all.push_back({"support button", r});
    }
    return all;
}

TEST(PageLayout, EveryControlLiesOnItsPageInBothLayouts) {
    for (const Named& c : EveryControl()) {
        EXPECT_TRUE(OnPage(c.rect)) << c.name << " at " << c.rect.left << "," << c.rect.top << "-"
                                    << c.rect.right << "," << c.rect.bottom;
    }
}

// Grids computed from a formula: a wrong step would stack faces on one another.
TEST(PageLayout, GridsAndRowsDoNotCoverOneAnother) {
    const auto disjoint = [](const std::vector<Rect>& rects, const char* what) {
        for (size_t i = 0; i < rects.size(); ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                EXPECT_FALSE(Overlap(rects[i], rects[j])) << what << " " << i << " and " << j;
            }
        }
    };
    std::vector<Rect> chinese, other, marks;
    for (int k = 0; k < lighting_page::kPresetCount; ++k) {
        chinese.push_back(lighting_page::PresetSwatch(k).chinese);
        other.push_back(lighting_page::PresetSwatch(k).other);
    }
    disjoint(chinese, "Chinese preset swatches");
    disjoint(other, "preset swatches");
    for (int i = 0; i < statistics_page::kTrophyLevels; ++i) {
        marks.push_back(statistics_page::TrophyMark(i));
    }
    disjoint(marks, "trophy marks");
    disjoint({std::begin(performance_page::kLevelButtons), std::end(performance_page::kLevelButtons)},
             "level buttons");
    disjoint({std::begin(performance_page::kRateButtons), std::end(performance_page::kRateButtons)},
             "rate buttons");
}

// The assignment popup: its controls on the popup, the pages' controls on the page area, and the
// rows and tabs apart from one another.
TEST(AssignmentPopupLayout, ControlsLieOnThePopupAndItsPagesWithoutCovering) {
    namespace popup = assignment_popup;
    const Rect popupBox{0, 0, popup::kSize.width, popup::kSize.height};
    const Rect pageBox{0, 0, popup::kPageSize.width, popup::kPageSize.height};
    const auto inside = [](const Rect& outer, const Rect& r) {
        return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right && r.bottom <= outer.bottom &&
               r.Width() > 0 && r.Height() > 0;
    };
    std::vector<Rect> popupControls{std::begin(popup::kTabs), std::end(popup::kTabs)};
    for (const Rect& r : {popup::kCloseButton, popup::kDisableBox, popup::kDefaultButton, popup::kOkButton}) {
        popupControls.push_back(r);
    }
    for (const Rect& r : popupControls) {
        EXPECT_TRUE(inside(popupBox, r)) << r.left << "," << r.top;
    }
    EXPECT_TRUE(inside(popupBox, popup::kPageArea));

    std::vector<Rect> pageControls{std::begin(key_page::kModifierToggles), std::end(key_page::kModifierToggles)};
    pageControls.push_back(key_page::kKeyNameArea);
    std::vector<Rect> advanced;
    for (const auto& row : advanced_page::kRows) {
        for (const Rect& r : {row.choice, row.path, row.browse}) {
            pageControls.push_back(r);
            advanced.push_back(r);
        }
    }
    for (const Rect& r :
         {basic_page::kFunctionList, macro_choice_page::kGroupList, macro_choice_page::kMacroList}) {
        pageControls.push_back(r);
    }
    for (const Rect& r : pageControls) {
        EXPECT_TRUE(inside(pageBox, r)) << r.left << "," << r.top;
    }

    for (const std::vector<Rect>* group : {&popupControls, &advanced}) {
        for (size_t i = 0; i < group->size(); ++i) {
            for (size_t j = i + 1; j < group->size(); ++j) {
                EXPECT_FALSE(Overlap((*group)[i], (*group)[j])) << i << " and " << j;
            }
        }
    }
    EXPECT_FALSE(Overlap(macro_choice_page::kGroupList, macro_choice_page::kMacroList));
}

}  // namespace
}  // namespace kx90::layout
