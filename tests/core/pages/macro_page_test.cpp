// The macro page's rules over a real library in a temporary folder, the profiles and the hook
// manager: recording into the selected macro, selection changes while recording, deleting and
// renaming macros, the repeat field, a full library, coalesced saves and the help-line codes.
#include "core/pages/macro_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/macro/macro_groups.h"
#include "core/platform/data_folders.h"
#include "support/fakes.h"
#include "support/file_test_support.h"
#include "support/temp_dir.h"

namespace kx90::pages {
namespace {

using test::ReadAllBytes;
using test::TempDir;

constexpr uint32_t kA = 'A';
constexpr uint32_t kB = 'B';
constexpr WindowId kPageWindow = 0x2200;
constexpr WindowId kMainWindow = 0x1100;

MacroRecord Stored(uint32_t id, std::u16string_view name, std::vector<EventItem> items, uint32_t repeat = 3) {
    const auto record = BuildMacroRecord(items, u"", id, name);
    MacroRecord r = *record;
    r.repeatCount = repeat;
    return r;
}

class MacroPageTest : public ::testing::Test {
protected:
    MacroPageTest()
        : library_(dir_.path(), notifier_, language_, clock_),
          profiles_(DataFolders{dir_.path(), dir_.path()}, notifier_, language_),
          page_({library_, profiles_, notifier_, hooks_, clock_, kPageWindow}, PairLanguage::kEnglish) {
        test::WriteAllBytes(MacroFilePath(dir_.path()), std::vector<uint8_t>(sizeof(MacroTable), 0));
        hooks_.OnHooksInstalled(kMainWindow);
    }

    // Stores the records in the library (on disk too) and shows their group.
    void Preload(const std::vector<MacroRecord>& records, uint32_t group = kCustomMacroGroup) {
        for (const MacroRecord& r : records) {
            ASSERT_TRUE(library_.StoreMacro(r));
        }
        clock_.sleeps.clear();
        page_.ShowGroup(group);
    }

    std::vector<EventItem> StoredItems(uint32_t id) const {
        const auto slot = library_.FindMacro(id);
        return slot ? EventItemsOf(library_.Slot(*slot)) : std::vector<EventItem>{};
    }
    const MacroRecord* Record(uint32_t id) const {
        const auto slot = library_.FindMacro(id);
        return slot ? &library_.Slot(*slot) : nullptr;
    }
    bool FileHolds(uint32_t id) const {
        const std::vector<uint8_t> bytes = ReadAllBytes(MacroFilePath(dir_.path()));
        for (size_t at = 0; at + sizeof(MacroRecord) <= bytes.size(); at += sizeof(MacroRecord)) {
            MacroRecord r;
            std::memcpy(&r, bytes.data() + at, sizeof r);
            if (r.id == id && r.marker == kMacroMarker) {
                return true;
            }
        }
        return false;
    }
    void RecordKeys(std::initializer_list<std::pair<uint32_t, uint32_t>> keys) {
        page_.ToggleRecording();
        for (const auto& [vk, flags] : keys) {
            clock_.now += 100;
            page_.OnKeyCapture(vk, flags);
        }
        page_.ToggleRecording();
    }

    TempDir dir_;
    const UiLanguage language_ = test::MessageTextsLanguage();
    test::RecordingNotifier notifier_;
    test::FakeClock clock_;
    HookManager hooks_;
    MacroLibrary library_;
    ProfileState profiles_;
    MacroPageState page_;
};

TEST_F(MacroPageTest, ANewMacroIsStoredWithItsFirstRecordingAndReachesTheFileOnce) {
    page_.ShowGroup(kCustomMacroGroup);
    ASSERT_TRUE(page_.NewMacro());
    ASSERT_EQ(page_.View().macros.size(), 1u);
    EXPECT_EQ(page_.View().macros[0].name, u"New Macro");
    const uint32_t id = page_.View().macros[0].id;
    EXPECT_EQ(MacroGroupOf(id), kCustomMacroGroup);
    EXPECT_EQ(library_.FindMacro(id), std::nullopt) << "not in the library before its first save";

    page_.ToggleRecording();
    EXPECT_TRUE(page_.View().recording);
    EXPECT_TRUE(hooks_.ForwardsKeys());
    EXPECT_EQ(hooks_.CaptureTarget(), kPageWindow);
    page_.OnKeyCapture(kA, 0);
    clock_.now += 250;
    page_.OnKeyCapture(kA, kKeyFlagReleased);
    page_.ToggleRecording();
    EXPECT_FALSE(page_.View().recording);
    EXPECT_FALSE(hooks_.ForwardsKeys());
    EXPECT_EQ(hooks_.CaptureTarget(), kMainWindow) << "reports go back to the main window";

    const std::vector<EventItem> expected{
        {kEventItemKeyDown, kA}, {kEventItemPause, 250}, {kEventItemKeyUp, kA}};
    EXPECT_EQ(StoredItems(id), expected);
    EXPECT_EQ(Record(id)->repeatCount, 1u);
    EXPECT_TRUE(page_.SavePending());
    EXPECT_FALSE(FileHolds(id)) << "the write waits for the page's save";
    page_.SaveNow();
    EXPECT_TRUE(FileHolds(id));
    EXPECT_EQ(clock_.sleeps, (std::vector<uint32_t>{100, 100})) << "one write";

    page_.ShowGroup(kCustomMacroGroup);
    EXPECT_EQ(page_.Editor().Items(), expected);
}

TEST_F(MacroPageTest, QuickChangesAreGatheredIntoOneWriteAndLeavingThePageWritesThem) {
    Preload({Stored(0x15000001, u"Jump", {{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}})});
    for (const char16_t* typed : {u"1", u"12", u"123"}) {
        page_.RepeatTextChanged(typed);
    }
    EXPECT_EQ(Record(0x15000001)->repeatCount, 123u);
    EXPECT_TRUE(clock_.sleeps.empty()) << "nothing written yet";
    page_.Leave();
    EXPECT_FALSE(page_.SavePending());
    EXPECT_EQ(clock_.sleeps.size(), 2u) << "one write for three changes";
    page_.SaveNow();
    EXPECT_EQ(clock_.sleeps.size(), 2u) << "nothing left to write";
}

TEST_F(MacroPageTest, ALonePressIsStoredWithTheSingleKeyMarkAndShownAsOnce) {
    Preload({Stored(0x15000001, u"Tap", {{kEventItemKeyDown, kB}, {kEventItemKeyUp, kB}})});
    page_.RepeatTextChanged(u"9");
    RecordKeys({{kA, 0}});  // the release comes after the stop
    EXPECT_EQ(Record(0x15000001)->repeatCount, kSingleKeyRepeatCount);
    page_.ShowGroup(kCustomMacroGroup);
    EXPECT_EQ(page_.View().repeatText, u"1");
}

TEST_F(MacroPageTest, SelectingAnotherMacroWhileRecordingStoresIntoTheRecordedOne) {
    const std::vector<EventItem> x{{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}};
    const std::vector<EventItem> y{{kEventItemKeyDown, 'Y'}, {kEventItemKeyUp, 'Y'}};
    Preload({Stored(0x15000001, u"X", x), Stored(0x15000002, u"Y", y)});
    page_.SelectMacro(0);
    page_.ToggleRecording();
    page_.OnKeyCapture(kB, 0);
    clock_.now += 40;
    page_.OnKeyCapture(kB, kKeyFlagReleased);
    page_.SelectMacro(1);

    const std::vector<EventItem> recorded{
        {kEventItemKeyDown, kB}, {kEventItemPause, 40}, {kEventItemKeyUp, kB}};
    EXPECT_EQ(StoredItems(0x15000001), recorded);
    EXPECT_EQ(StoredItems(0x15000002), y);
    EXPECT_FALSE(page_.View().recording);
    EXPECT_FALSE(hooks_.ForwardsKeys());
    EXPECT_EQ(page_.Editor().Items(), y) << "the newly selected macro shows";
}

TEST_F(MacroPageTest, ChoosingAGroupWhileRecordingStoresIntoTheRecordedMacro) {
    const std::vector<EventItem> other{{kEventItemKeyDown, 'Z'}, {kEventItemKeyUp, 'Z'}};
    Preload({Stored(0x0D000001, u"Dota", other), Stored(0x15000001, u"Mine", other)});
    page_.ToggleRecording();
    page_.OnKeyCapture(kA, 0);
    page_.ChooseGroup(13);
    EXPECT_EQ(page_.View().groupCaption, u"Dota 2 ");
    EXPECT_EQ(StoredItems(0x15000001), (std::vector<EventItem>{{kEventItemKeyDown, kA}}));
    EXPECT_EQ(StoredItems(0x0D000001), other) << "the group's own macro is untouched";
    EXPECT_FALSE(page_.Editor().Recording());
}

TEST_F(MacroPageTest, DeletingTheLastEventKeepsTheStoredMacro) {
    const std::vector<EventItem> one{{kEventItemKeyDown, kA}};
    Preload({Stored(0x15000001, u"A", {{kEventItemKeyDown, kB}}), Stored(0x15000002, u"B", one)});
    page_.SelectEvent(0);
    page_.DeleteEvent();
    EXPECT_TRUE(page_.Editor().Items().empty());
    EXPECT_EQ(StoredItems(0x15000002), one);
    page_.SelectMacro(0);
    page_.SelectMacro(1);
    EXPECT_EQ(page_.Editor().Items(), one);
}

TEST_F(MacroPageTest, AMacroInUseByAnyProfileIsNotDeleted) {
    const std::vector<EventItem> keys{{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}};
    Preload({Stored(0x15000001, u"Used", keys), Stored(0x15000002, u"Free", keys)});
    profiles_.Catalogue().slots[4].buttonMacroIds[2] = 0x15000001;  // profile 5, not the active one
    page_.SelectMacro(0);
    page_.DeleteMacro();
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text, u"The macro is being applied and cannot be deleted!");
    EXPECT_TRUE(Record(0x15000001) != nullptr);
    EXPECT_EQ(page_.View().macros.size(), 2u);

    page_.SelectMacro(1);
    page_.DeleteMacro();
    EXPECT_EQ(Record(0x15000002), nullptr);
    ASSERT_EQ(page_.View().macros.size(), 1u);
    EXPECT_EQ(page_.View().selectedMacro, -1);
    EXPECT_TRUE(page_.Editor().Items().empty());
    page_.Leave();
    EXPECT_FALSE(FileHolds(0x15000002));
}

TEST_F(MacroPageTest, TheRepeatFieldStoresItsCountAndTheTimerCleansIt) {
    Preload({Stored(0x15000001, u"Jump", {{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}})});
    struct Row {
        const char16_t* typed;
        const char16_t* shown;
        uint32_t stored;
    } rows[] = {{u"007", u"7", 7}, {u"", u"1", 1}, {u"99999", u"65533", 65533}};
    for (const Row& row : rows) {
        page_.RepeatTextChanged(row.typed);
        page_.ValidateRepeat();
        EXPECT_EQ(page_.View().repeatText, row.shown);
        EXPECT_EQ(Record(0x15000001)->repeatCount, row.stored);
    }
    // An empty event list is never stored.
    ASSERT_TRUE(page_.NewMacro());
    const uint32_t id = page_.View().macros.back().id;
    page_.RepeatTextChanged(u"5");
    EXPECT_EQ(Record(id), nullptr);
}

TEST_F(MacroPageTest, RenamingStoresAStoredMacrosNameAndKeepsANewOnesForItsFirstSave) {
    Preload({Stored(0x15000001, u"Old", {{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}})});
    page_.RenameMacro(0, u"Reload");
    EXPECT_EQ(MacroName(*Record(0x15000001)), u"Reload");

    ASSERT_TRUE(page_.NewMacro());
    const uint32_t id = page_.View().macros.back().id;
    page_.RenameMacro(1, u"Combo");
    EXPECT_EQ(Record(id), nullptr);
    RecordKeys({{kA, 0}, {kA, kKeyFlagReleased}});
    ASSERT_NE(Record(id), nullptr);
    EXPECT_EQ(MacroName(*Record(id)), u"Combo");
}

TEST_F(MacroPageTest, AFullLibraryIsToldAndTheNewMacroLeavesTheList) {
    const std::vector<EventItem> keys{{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}};
    for (uint32_t i = 0; i < static_cast<uint32_t>(kMacroSlotCount); ++i) {
        ASSERT_TRUE(library_.StoreMacro(Stored(0x01000000 + i, u"m", keys), MacroLibrary::Save::kLater));
    }
    page_.ShowGroup(kCustomMacroGroup);
    ASSERT_TRUE(page_.NewMacro());
    const uint32_t id = page_.View().macros[0].id;
    RecordKeys({{kA, 0}, {kA, kKeyFlagReleased}});
    EXPECT_EQ(Record(id), nullptr);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_NE(test::Narrow(notifier_.shown[0].text).find("full"), std::string::npos);
    EXPECT_TRUE(page_.View().macros.empty());
    EXPECT_TRUE(page_.Editor().Items().empty());
}

TEST_F(MacroPageTest, NewMacrosNeverShareAnIdentifier) {
    Preload(
        {Stored((kCustomMacroGroup << 24) | (clock_.now & 0xFFFFFF), u"Taken", {{kEventItemKeyDown, kA}})});
    ASSERT_TRUE(page_.NewMacro());
    ASSERT_TRUE(page_.NewMacro());  // same millisecond
    const auto& rows = page_.View().macros;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[1].id, rows[0].id);
    EXPECT_NE(rows[2].id, rows[1].id);
    EXPECT_NE(rows[2].id, rows[0].id);
}

TEST_F(MacroPageTest, ARefusedRecordingSaysWhyInTheInterfaceLanguage) {
    Preload({Stored(0x15000001, u"Jump", {{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}})});
    page_.SetLanguage(PairLanguage::kChinese);
    EXPECT_EQ(page_.View().groupCaption, u"\u73A9\u5BB6\u81EA\u5B9A\u4E49");
    page_.SelectEvent(0);
    page_.BeginInsert();
    page_.ToggleRecording();
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text,
              u"\u6B63\u5728\u4FEE\u6539/\u63D2\u5165\u4E00\u4E2A\u952E\uFF0C\u65E0\u6CD5\u5F55\u5236");
    EXPECT_FALSE(page_.Editor().Recording());
}

TEST_F(MacroPageTest, ADamagedRecordLoadsUpToItsFirstUnknownEvent) {
    MacroRecord damaged = Stored(0x15000001, u"Odd", {{kEventItemKeyDown, kA}, {kEventItemKeyUp, kA}});
    damaged.events[1] = MakeMacroEvent(0x55, 1);
    Preload({damaged});
    EXPECT_TRUE(page_.View().loadedDamaged);
    EXPECT_EQ(page_.Editor().Items(), (std::vector<EventItem>{{kEventItemKeyDown, kA}}));
}

TEST(MacroStatusCodes, TheRecordButtonSaysStartOrStopAndHiddenRowsSayNothing) {
    namespace mp = layout::macro_page;
    const layout::Point record{mp::kRecordButton.left + 3, mp::kRecordButton.top + 3};
    EXPECT_EQ(MacroStatusCodesAt(record, false, false, false, false), std::vector<int>{45});
    EXPECT_EQ(MacroStatusCodesAt(record, false, true, false, false), std::vector<int>{46});
    const layout::Point keyField{mp::kKeyField.other.left + 2, mp::kKeyField.other.top + 2};
    EXPECT_TRUE(MacroStatusCodesAt(keyField, false, false, false, false).empty());
    EXPECT_EQ(MacroStatusCodesAt(keyField, false, false, true, false), std::vector<int>{52});
    // One pixel outside a control still counts.
    const layout::Point beside{mp::kNewMacro.left - 1, mp::kNewMacro.top};
    EXPECT_EQ(MacroStatusCodesAt(beside, false, false, false, false), std::vector<int>{40});
}

}  // namespace
}  // namespace kx90::pages
