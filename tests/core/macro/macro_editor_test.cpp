// The event editor without a window: recording through a fake clock, single-event edits, pause
// merging, records built from the items and read back, and the repeat field's text rules.
#include "core/macro/macro_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"

namespace kx90 {
namespace {

constexpr uint32_t kA = 'A';
constexpr uint32_t kB = 'B';
constexpr uint32_t kUp = kKeyFlagReleased;

EventItem Down(uint32_t vk) {
    return {kEventItemKeyDown, vk};
}
EventItem Release(uint32_t vk) {
    return {kEventItemKeyUp, vk};
}
EventItem Pause(uint32_t ms) {
    return {kEventItemPause, ms};
}

class MacroEditorTest : public ::testing::Test {
protected:
    test::FakeClock clock_;
    MacroEditor editor_{clock_};

    void StartRecording() { ASSERT_EQ(editor_.ToggleRecording(true), EditorEffect::kNone); }
    void Key(uint32_t vk, uint32_t flags, uint32_t afterMs = 0) {
        clock_.now += afterMs;
        editor_.OnKeyCapture(vk, flags);
    }
};

TEST_F(MacroEditorTest, AHeldKeyGivesOnePressAndOneRelease) {
    editor_.SetNoPause(true);
    StartRecording();
    for (int i = 0; i < 5; ++i) {
        Key(kA, 0, 30);  // auto-repeat of the held key
    }
    Key(kA, kUp, 30);
    Key(kA, kUp, 1);  // the same release reported twice
    EXPECT_EQ(editor_.Items(), (std::vector<EventItem>{Down(kA), Release(kA)}));
    EXPECT_EQ(editor_.Selected(), 1) << "the last appended item is selected";
}

TEST_F(MacroEditorTest, PausesAreTheMeasuredTicksBetweenAcceptedKeys) {
    StartRecording();
    Key(kA, 0, 5000);  // nothing before the first key
    Key(kA, 0, 100);   // a repeat: neither an item nor a new measuring point
    Key(kA, kUp, 150);
    Key(kB, 0, 7);
    EXPECT_EQ(editor_.Items(),
              (std::vector<EventItem>{Down(kA), Pause(250), Release(kA), Pause(7), Down(kB)}));
    EXPECT_EQ(EventItemText(editor_.Items()[1]), u"250  ms");
    EXPECT_EQ(EventItemText(editor_.Items()[0]), u"A");

    // Without pauses: keys only.
    MacroEditor plain(clock_);
    plain.SetNoPause(true);
    plain.ToggleRecording(true);
    plain.OnKeyCapture(kA, 0);
    clock_.now += 250;
    plain.OnKeyCapture(kA, kUp);
    EXPECT_EQ(plain.Items(), (std::vector<EventItem>{Down(kA), Release(kA)}));
}

TEST_F(MacroEditorTest, RecordingTurnsTheCaptureOnEmptiesTheListAndAStopAsksForASave) {
    editor_.Load({Down(kB), Release(kB)});
    EXPECT_EQ(editor_.ToggleRecording(false), EditorEffect::kNone) << "no macro selected";
    EXPECT_FALSE(editor_.Recording());
    StartRecording();
    EXPECT_TRUE(editor_.KeyCaptureOn());
    EXPECT_TRUE(editor_.Items().empty());
    Key(kA, 0);
    EXPECT_EQ(editor_.ToggleRecording(true), EditorEffect::kSave);
    EXPECT_FALSE(editor_.KeyCaptureOn());
    // A report still queued when the capture went off changes nothing.
    Key(kA, kUp, 10);
    EXPECT_EQ(editor_.Items(), (std::vector<EventItem>{Down(kA)}));
}

TEST_F(MacroEditorTest, TheRepeatFilterStartsAfreshWithEachRecording) {
    editor_.SetNoPause(true);
    StartRecording();
    Key(kA, 0);
    editor_.ToggleRecording(true);  // A is still held: its release comes after the stop
    StartRecording();
    Key(kA, 0);
    EXPECT_EQ(editor_.Items(), (std::vector<EventItem>{Down(kA)}));
}

TEST_F(MacroEditorTest, RecordingStopsWhenTheRecordIsFullAndKeepsWhatItHas) {
    StartRecording();
    EditorEffect last = EditorEffect::kNone;
    int presses = 0;
    while (editor_.Recording() && presses < 2000) {
        last = editor_.OnKeyCapture(presses % 2 == 0 ? kA : kB, 0);
        clock_.now += 10;
        ++presses;
    }
    EXPECT_EQ(last, EditorEffect::kRecordingFull);
    EXPECT_FALSE(editor_.KeyCaptureOn());
    EXPECT_LE(editor_.Items().size(), static_cast<size_t>(kMacroEventCapacity));
    EXPECT_GE(editor_.Items().size(), static_cast<size_t>(kMacroEventCapacity - 1));
    std::vector<EventItem> items = editor_.Items();
    const auto record = BuildMacroRecord(items, u"1", 0x15000001, u"Full");
    ASSERT_TRUE(record.has_value()) << "everything recorded can be stored";
    EXPECT_EQ(record->eventCount, items.size());

    // Without pauses the 999-key limit comes first and drops keys silently.
    MacroEditor plain(clock_);
    plain.SetNoPause(true);
    plain.ToggleRecording(true);
    for (int i = 0; i < 1200; ++i) {
        ASSERT_EQ(plain.OnKeyCapture(i % 2 == 0 ? kA : kB, 0), EditorEffect::kNone);
    }
    EXPECT_EQ(plain.Items().size(), static_cast<size_t>(kMaxRecordedKeys));
    EXPECT_TRUE(plain.Recording());
}

TEST_F(MacroEditorTest, MouseButtonsAndKeysAreNamedInTheList) {
    EXPECT_EQ(EventItemText(Down(kMacroLeftButton)), u"Left Button");
    EXPECT_EQ(EventItemText(Release(kMacroRightButton)), u"Right Button");
    EXPECT_EQ(EventItemText(Down(kMacroMiddleButton)), u"Middle Button");
    EXPECT_EQ(Pause(400).Data(), 0x04000190u);
    EXPECT_EQ(Down(kA).Data(), 0x03000041u);
}

// Insert: the key option captures a key; OK inserts its press and release at the selection.
TEST_F(MacroEditorTest, InsertingAKeyPutsPressAndReleaseAtTheSelection) {
    editor_.Load({Down(kA), Release(kA)});
    editor_.Select(1);
    editor_.BeginInsert();
    EXPECT_TRUE(editor_.Controls().keyOption && editor_.Controls().pauseOption);
    editor_.ChooseKeyOption();
    EXPECT_TRUE(editor_.KeyCaptureOn());
    editor_.OnKeyCapture(kB, 0);
    EXPECT_EQ(editor_.Controls().keyFieldText, u"B");
    EXPECT_EQ(editor_.KeyOk(), EditorEffect::kSave);
    EXPECT_EQ(editor_.Items(), (std::vector<EventItem>{Down(kA), Down(kB), Release(kB), Release(kA)}));
    EXPECT_EQ(editor_.Selected(), 2) << "the inserted release is selected";
    EXPECT_FALSE(editor_.KeyCaptureOn());
    EXPECT_EQ(editor_.Mode(), EditMode::kNone);
    EXPECT_FALSE(editor_.Controls().keyField);
}

TEST_F(MacroEditorTest, InsertsThatChangeNothing) {
    const std::vector<EventItem> start{Down(kA), Release(kA)};
    // A key with nothing selected.
    editor_.Load(start);
    editor_.Select(-1);
    editor_.BeginInsert();
    editor_.ChooseKeyOption();
    editor_.OnKeyCapture(kB, 0);
    editor_.KeyOk();
    EXPECT_EQ(editor_.Items(), start);
    // A pause at the first position: a macro never starts with one.
    editor_.Select(0);
    editor_.BeginInsert();
    editor_.ChoosePauseOption();
    editor_.PauseOk(u"50");
    EXPECT_EQ(editor_.Items(), start);
    // A pause field that is not a number.
    editor_.Select(1);
    editor_.BeginInsert();
    editor_.ChoosePauseOption();
    EXPECT_EQ(editor_.PauseOk(u""), EditorEffect::kSave) << "the edit still ends with a save";
    EXPECT_EQ(editor_.Items(), start);
}

TEST_F(MacroEditorTest, AnInsertedPauseMergesWithANeighbourUpToTheCeiling) {
    struct Row {
        std::vector<EventItem> items;
        int selected;
        const char16_t* typed;
        std::vector<EventItem> expected;
        const char* why;
    } rows[] = {
        {{Down(kA), Pause(100), Release(kA)}, 2, u"300", {Down(kA), Pause(400), Release(kA)}, "pause before"},
        {{Down(kA), Pause(100), Release(kA)}, 1, u"300", {Down(kA), Pause(400), Release(kA)}, "pause at"},
        {{Down(kA), Release(kA)}, 1, u"300", {Down(kA), Pause(300), Release(kA)}, "no pause near"},
        {{Down(kA), Pause(327000), Release(kA)},
         2,
         u"9999",
         {Down(kA), Pause(327670), Release(kA)},
         "ceiling"},
    };
    for (const Row& row : rows) {
        MacroEditor editor(clock_);
        editor.Load(row.items);
        editor.Select(row.selected);
        editor.BeginInsert();
        editor.ChoosePauseOption();
        EXPECT_EQ(editor.PauseOk(row.typed), EditorEffect::kSave) << row.why;
        EXPECT_EQ(editor.Items(), row.expected) << row.why;
    }
}

TEST_F(MacroEditorTest, ModifyingAPressLeavesItsReleaseOnTheOldKey) {
    editor_.Load({Down(kA), Pause(20), Release(kA)});
    editor_.Select(0);
    editor_.BeginModify();
    EXPECT_EQ(editor_.Mode(), EditMode::kModifyKey);
    EXPECT_TRUE(editor_.KeyCaptureOn());
    editor_.OnKeyCapture(kB, 0);
    editor_.KeyOk();
    EXPECT_EQ(editor_.Items(), (std::vector<EventItem>{Down(kB), Pause(20), Release(kA)}));

    editor_.Select(1);
    editor_.BeginModify();
    EXPECT_EQ(editor_.Mode(), EditMode::kModifyPause);
    editor_.PauseOk(u"75");
    EXPECT_EQ(editor_.Items()[1], Pause(75));
}

TEST_F(MacroEditorTest, RecordingIsRefusedWhileAnEditRuns) {
    editor_.Load({Down(kA), Release(kA)});
    editor_.Select(0);
    editor_.BeginInsert();
    EXPECT_EQ(editor_.ToggleRecording(true), EditorEffect::kBusyWithKey);
    editor_.ChoosePauseOption();
    EXPECT_EQ(editor_.ToggleRecording(true), EditorEffect::kBusyWithPause);
    EXPECT_FALSE(editor_.Recording());
}

TEST_F(MacroEditorTest, InsertionsBeyondWhatARecordHoldsAreRefused) {
    std::vector<EventItem> full;
    for (int i = 0; i < kMacroEventCapacity - 1; ++i) {
        full.push_back(i % 2 == 0 ? Down(kA) : Release(kA));
    }
    editor_.Load(full);
    editor_.Select(0);
    editor_.BeginInsert();
    editor_.ChooseKeyOption();
    editor_.OnKeyCapture(kB, 0);
    EXPECT_EQ(editor_.KeyOk(), EditorEffect::kNoRoom);
    EXPECT_EQ(editor_.Items(), full);
}

TEST_F(MacroEditorTest, DeletingTheSelectedItemAsksForASaveOnlyWhileItemsAreLeft) {
    editor_.Load({Down(kA)});
    EXPECT_EQ(editor_.DeleteSelected(), EditorEffect::kNone);
    EXPECT_TRUE(editor_.Items().empty());
    EXPECT_EQ(editor_.DeleteSelected(), EditorEffect::kNone) << "nothing selected";
}

TEST(MacroMerge, RunsOfPausesCollapseIntoOneCappedPause) {
    std::vector<EventItem> items{Down(kA),    Pause(100),    Pause(300),   Pause(5),
                                 Release(kA), Pause(300000), Pause(300000)};
    EXPECT_EQ(MergeAdjacentPauses(items), 3) << "the second run ends at row 3";
    EXPECT_EQ(items, (std::vector<EventItem>{Down(kA), Pause(405), Release(kA), Pause(327670)}));
}

TEST(MacroRecordBuild, ItemsBecomeEventsAndComeBack) {
    std::vector<EventItem> items{Pause(40), Down(kA), Pause(100), Pause(300), Release(kA)};
    const auto record = BuildMacroRecord(items, u"7", 0x15123456, u"Jump");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->recordSize, 4100u + 5 * 4) << "items counted before the merge";
    EXPECT_EQ(record->marker, kMacroMarker);
    EXPECT_EQ(record->id, 0x15123456u);
    EXPECT_EQ(record->repeatCount, 7u);
    ASSERT_EQ(record->eventCount, 3u) << "the leading pause is dropped";
    EXPECT_EQ(record->events[0].raw, 0xC0000041u);
    EXPECT_EQ(record->events[1].raw, 0xA0000190u);
    EXPECT_EQ(record->events[2].raw, 0xE0000041u);
    EXPECT_EQ(record->events[3].raw, 0u);
    EXPECT_EQ(MacroName(*record), u"Jump");
    EXPECT_EQ(EventItemsOf(*record), (std::vector<EventItem>{Down(kA), Pause(400), Release(kA)}));

    std::vector<EventItem> none;
    EXPECT_FALSE(BuildMacroRecord(none, u"1", 1, u"x").has_value()) << "an empty list is never saved";
}

TEST(MacroRecordBuild, ALonePressIsMarkedAndShownAsOnce) {
    std::vector<EventItem> items{Down(kA)};
    const auto record = BuildMacroRecord(items, u"12", 0x15000001, u"Tap");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->repeatCount, kSingleKeyRepeatCount);
    EXPECT_EQ(RepeatFieldText(record->repeatCount), u"1");
    EXPECT_EQ(RepeatFieldText(12), u"12");
}

TEST(MacroRecordBuild, ReadingStopsAtAnUnknownEventKind) {
    MacroRecord record{};
    record.eventCount = 3;
    record.events[0] = MakeMacroEvent(kMacroKeyDown, kA);
    record.events[1] = MakeMacroEvent(0x55, 1);
    record.events[2] = MakeMacroEvent(kMacroKeyUp, kA);
    bool damaged = false;
    EXPECT_EQ(EventItemsOf(record, &damaged), (std::vector<EventItem>{Down(kA)}));
    EXPECT_TRUE(damaged);
}

TEST(RepeatField, TimerRulesAndSaveRules) {
    struct Row {
        const char16_t* typed;
        const char16_t* shown;  // after the timer's check
        uint32_t stored;        // what a save takes from the typed text
    } rows[] = {
        {u"007", u"7", 7},
        {u"", u"1", 1},
        {u"0", u"1", 1},
        {u"000", u"1", 1},
        {u"99999", u"65533", 65533},
        {u"65534", u"65533", 65533},
        {u"65533", u"65533", 65533},
        {u"12", u"12", 12},
        {u"1x", u"1", 1},
        {u"-3", u"1", 1},
        {u"4294967296999", u"65533", 65533},  // pasted: no overflow
    };
    for (const Row& row : rows) {
        const std::u16string typed(row.typed);
        const RepeatFieldCheck check = ValidateRepeatField(typed);
        EXPECT_EQ(check.text, row.shown) << "row " << (&row - rows);
        EXPECT_EQ(check.changed, typed != row.shown) << "row " << (&row - rows);
        EXPECT_EQ(RepeatCountFromText(typed), row.stored) << "row " << (&row - rows);
    }
}

}  // namespace
}  // namespace kx90
