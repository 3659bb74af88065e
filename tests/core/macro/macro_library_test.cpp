// Macro library: Macro.cfg loading and saving, the slot rules, records from damaged files, the
// in-use check and the game groups.
#include "core/macro/macro_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/macro/macro_groups.h"
#include "core/platform/data_folders.h"
#include "support/fakes.h"
#include "support/file_test_support.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

using test::Narrow;
using test::ReadAllBytes;
using test::ShownLines;
using test::TempDir;
using test::WriteAllBytes;

MacroRecord Macro(uint32_t id, std::u16string_view name, uint32_t eventCount = 2) {
    MacroRecord r;
    std::memset(&r, 0, sizeof r);
    r.recordSize = 4100 + 4 * eventCount;
    r.marker = kMacroMarker;
    r.id = id;
    r.repeatCount = 1;
    r.eventCount = eventCount;
    for (uint32_t i = 0; i < eventCount && i < kMacroEventCapacity; ++i) {
        r.events[i] = MakeMacroEvent(i % 2 == 0 ? kMacroKeyDown : kMacroKeyUp, 0x41 + i % 26);
    }
    SetMacroName(r, name);
    return r;
}

std::vector<uint8_t> RecordBytes(const MacroRecord& r) {
    const auto b = BytesOf(r);
    return {b.begin(), b.end()};
}

class MacroLibraryTest : public ::testing::Test {
protected:
    MacroLibraryTest() : library_(dir_.path(), notifier_, language_, clock_) {}

    std::filesystem::path File() const { return MacroFilePath(dir_.path()); }

    // Macro.cfg with these records in slots 0, 1, ... and zeros after them.
    void WriteFile(const std::vector<MacroRecord>& records, size_t totalBytes = sizeof(MacroTable)) {
        std::vector<uint8_t> bytes(totalBytes, 0);
        for (size_t i = 0; i < records.size(); ++i) {
            std::memcpy(bytes.data() + i * sizeof(MacroRecord), &records[i], sizeof(MacroRecord));
        }
        WriteAllBytes(File(), bytes);
    }

    TempDir dir_;
    const UiLanguage language_ = test::MessageTextsLanguage();
    test::RecordingNotifier notifier_;
    test::FakeClock clock_;
    MacroLibrary library_;
};

TEST_F(MacroLibraryTest, AFullSizeZeroFileIsAnEmptyLibrary) {
    WriteFile({});
    ASSERT_TRUE(library_.LoadMacroLibrary());
    for (uint32_t group = 1; group <= kMacroGroupCount; ++group) {
        EXPECT_TRUE(library_.ListGroupMacros(group).empty()) << group;
    }
    EXPECT_FALSE(IsMacroListed(library_.Slot(0)));
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(MacroLibraryTest, AFileOfOneRecordFillsSlotZeroOnly) {
    const MacroRecord one = Macro(0x15000001, u"Reload");
    WriteFile({one}, sizeof(MacroRecord));
    ASSERT_TRUE(library_.LoadMacroLibrary());
    EXPECT_EQ(RecordBytes(library_.Slot(0)), RecordBytes(one));
    for (int i = 1; i < kMacroSlotCount; ++i) {
        ASSERT_EQ(RecordBytes(library_.Slot(i)), RecordBytes(MacroRecord{})) << "slot " << i;
    }
}

TEST_F(MacroLibraryTest, AMissingFileIsReportedOnLoadAndMadeAnewOnSave) {
    EXPECT_FALSE(library_.LoadMacroLibrary());
    const std::string path = Narrow(PathText(File()));
    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{"info: File " + path + " was not found"});

    notifier_.shown.clear();
    ASSERT_TRUE(library_.StoreMacro(Macro(0x15000001, u"Reload")));
    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{"box Info: File " + path + " was not found"});
    EXPECT_EQ(ReadAllBytes(File()).size(), sizeof(MacroTable));
}

TEST_F(MacroLibraryTest, AFileThatCannotBeCreatedSaysBothMessagesButAnExistingOneSaysNone) {
    library_.SetFileWriter(test::DenyingWriter());
    EXPECT_FALSE(library_.SaveMacroLibrary());
    const std::string path = Narrow(PathText(File()));
    EXPECT_EQ(ShownLines(notifier_),
              (std::vector<std::string>{"box Info: File " + path + " was not found",
                                        "box Info: Access denied while creating a file"}));

    notifier_.shown.clear();
    WriteFile({});
    EXPECT_FALSE(library_.SaveMacroLibrary());
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(MacroLibraryTest, StoringAnExistingIdOverwritesItsSlotEvenWithAFreeSlotBefore) {
    WriteFile({MacroRecord{}, Macro(0x15000002, u"Old"), Macro(0x15000003, u"Other")});
    ASSERT_TRUE(library_.LoadMacroLibrary());

    MacroRecord changed = Macro(0x15000002, u"New", 3);
    changed.repeatCount = 7;
    ASSERT_TRUE(library_.StoreMacro(changed));

    EXPECT_TRUE(IsMacroSlotFree(library_.Slot(0)));
    EXPECT_EQ(RecordBytes(library_.Slot(1)), RecordBytes(changed));
    EXPECT_EQ(library_.FindMacro(0x15000002), 1);
    EXPECT_EQ(MacroName(library_.Slot(2)), u"Other");
    EXPECT_EQ(std::memcmp(ReadAllBytes(File()).data(), library_.Table().data(), sizeof(MacroTable)), 0);
    EXPECT_EQ(clock_.sleeps, (std::vector<uint32_t>{100, 100}));

    // A new identifier goes to the first free slot.
    ASSERT_TRUE(library_.StoreMacro(Macro(0x01000004, u"Fresh")));
    EXPECT_EQ(library_.FindMacro(0x01000004), 0);
}

TEST_F(MacroLibraryTest, ListedAndFreeFollowSizeAndMarkerApart) {
    MacroRecord shortButMarked = Macro(0x15000010, u"Marked");
    shortButMarked.recordSize = 4103;
    MacroRecord sizedButUnmarked = Macro(0x15000011, u"Unmarked");
    sizedButUnmarked.recordSize = 4200;
    sizedButUnmarked.marker = 0;
    WriteFile({shortButMarked, sizedButUnmarked});
    ASSERT_TRUE(library_.LoadMacroLibrary());

    EXPECT_TRUE(IsMacroListed(library_.Slot(0)));
    EXPECT_FALSE(IsMacroSlotFree(library_.Slot(0)));
    EXPECT_TRUE(IsMacroListed(library_.Slot(1)));
    EXPECT_TRUE(IsMacroSlotFree(library_.Slot(1)));
    const auto listed = library_.ListGroupMacros(21);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].name, u"Marked");
    EXPECT_EQ(listed[1].id, 0x15000011u);

    // The unmarked record's slot is the first free one: a new macro replaces it.
    ASSERT_TRUE(library_.StoreMacro(Macro(0x15000012, u"Newcomer")));
    EXPECT_EQ(library_.FindMacro(0x15000012), 1);
    EXPECT_FALSE(library_.FindMacro(0x15000011).has_value());
}

TEST_F(MacroLibraryTest, RecordsThatAreNotSavedMacrosAreRefused) {
    MacroRecord tooSmall = Macro(0x15000020, u"a");
    tooSmall.recordSize = 4103;  // a saved macro has at least one event item
    MacroRecord unmarked = Macro(0x15000021, u"b");
    unmarked.marker = 0x00000010;
    MacroRecord otherMarker = Macro(0x15000022, u"c");
    otherMarker.marker = 0xE8E90010;
    for (const MacroRecord& bad : {tooSmall, unmarked, otherMarker}) {
        EXPECT_FALSE(library_.StoreMacro(bad)) << std::hex << bad.id;
    }
    EXPECT_FALSE(std::filesystem::exists(File())) << "nothing was saved";
}

// The background writer: the caller goes on while a write is held up; copies handed over meanwhile
// collapse into one more write of the newest table; waiting for it leaves everything on disk.
TEST_F(MacroLibraryTest, BackgroundSavesWriteTheNewestTableWithoutHoldingUpTheCaller) {
    WriteFile({});
    ASSERT_TRUE(library_.LoadMacroLibrary());
    std::atomic<int> writes{0};
    std::atomic<bool> entered{false};
    std::mutex gate;
    std::unique_lock held(gate);  // the first write waits here until released
    library_.SetFileWriter([&](const std::filesystem::path& path, std::span<const uint8_t> bytes) {
        entered = true;
        std::lock_guard pass(gate);
        ++writes;
        return WriteFileAtomically(path, bytes);
    });

    ASSERT_TRUE(library_.StoreMacro(Macro(0x15000001, u"One"), MacroLibrary::Save::kLater));
    library_.SaveInBackground();
    for (int i = 0; i < 500 && !entered; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(entered) << "the worker took the first copy";
    EXPECT_FALSE(library_.HasUnsavedChanges());
    ASSERT_TRUE(library_.StoreMacro(Macro(0x15000002, u"Two"), MacroLibrary::Save::kLater));
    library_.SaveInBackground();
    ASSERT_TRUE(library_.StoreMacro(Macro(0x15000003, u"Three"), MacroLibrary::Save::kLater));
    library_.SaveInBackground();
    EXPECT_EQ(writes, 0) << "the caller was not held up by the write";
    held.unlock();

    library_.FinishBackgroundSave();
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(std::memcmp(ReadAllBytes(File()).data(), library_.Table().data(), sizeof(MacroTable)), 0);
    EXPECT_EQ(clock_.sleeps, (std::vector<uint32_t>{100, 100, 100, 100}));
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(MacroLibraryTest, ABackgroundSaveWithoutAFileMakesItAtOnceAndSaysSo) {
    ASSERT_TRUE(library_.StoreMacro(Macro(0x15000001, u"One"), MacroLibrary::Save::kLater));
    library_.SaveInBackground();
    EXPECT_EQ(ReadAllBytes(File()).size(), sizeof(MacroTable)) << "made before the call returned";
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_FALSE(library_.HasUnsavedChanges());
}

TEST_F(MacroLibraryTest, AFullLibraryRefusesANewMacroAndKeepsItsFile) {
    std::vector<MacroRecord> all;
    for (uint32_t i = 0; i < kMacroSlotCount; ++i) {
        all.push_back(Macro(0x01000000 | i, u"m", 1));
    }
    WriteFile(all);
    ASSERT_TRUE(library_.LoadMacroLibrary());
    const auto before = ReadAllBytes(File());

    EXPECT_FALSE(library_.StoreMacro(Macro(0x15000001, u"One too many")));
    EXPECT_EQ(ReadAllBytes(File()), before);
    EXPECT_TRUE(library_.StoreMacro(Macro(0x010001F3, u"Replaces slot 499")))
        << "an existing id still stores";
}

TEST_F(MacroLibraryTest, DamagedRecordsAreReadWithinTheirFields) {
    MacroRecord damaged = Macro(0x15000030, u"", 1000);
    damaged.eventCount = 5000;                                          // more than the record holds
    std::fill(std::begin(damaged.name), std::end(damaged.name), u'N');  // no NUL inside its 40 units
    WriteFile({damaged});
    ASSERT_TRUE(library_.LoadMacroLibrary());

    EXPECT_EQ(StoredEvents(library_.Slot(0)).size(), 1000u);
    EXPECT_EQ(MacroName(library_.Slot(0)), std::u16string(40, u'N'));
    EXPECT_EQ(library_.ListGroupMacros(21).at(0).name, std::u16string(40, u'N'));

    // Stored again (a rename): the count is cut to what the record holds, the next slot untouched.
    ASSERT_TRUE(library_.StoreMacro(library_.Slot(0)));
    EXPECT_EQ(library_.Slot(0).eventCount, 1000u);
    EXPECT_EQ(library_.Slot(0).events[999].raw, damaged.events[999].raw);
    EXPECT_EQ(RecordBytes(library_.Slot(1)), RecordBytes(MacroRecord{}));
}

TEST_F(MacroLibraryTest, DeleteClearsTheSlotAndSavesEvenWithoutAMatch) {
    WriteFile({Macro(0x15000040, u"Gone"), Macro(0x15000041, u"Stays")});
    ASSERT_TRUE(library_.LoadMacroLibrary());

    library_.DeleteMacroRecord(0x15000040);
    EXPECT_EQ(RecordBytes(library_.Slot(0)), RecordBytes(MacroRecord{}));
    EXPECT_EQ(ReadAllBytes(File()).size(), sizeof(MacroTable));
    EXPECT_EQ(std::memcmp(ReadAllBytes(File()).data(), &library_.Slot(0), sizeof(MacroRecord)), 0);

    std::filesystem::remove(File());
    library_.DeleteMacroRecord(0x15000099);
    EXPECT_TRUE(std::filesystem::exists(File()));
    EXPECT_EQ(library_.ListGroupMacros(21).size(), 1u);
}

TEST_F(MacroLibraryTest, ASaveThatFailsHalfWayLeavesTheOldFileByteForByte) {
    WriteFile({Macro(0x15000050, u"Kept")});
    ASSERT_TRUE(library_.LoadMacroLibrary());
    const auto before = ReadAllBytes(File());

    library_.SetFileWriter(test::HalfWayFailingWriter());
    EXPECT_TRUE(library_.StoreMacro(Macro(0x15000051, u"Lost")));  // stored in memory

    EXPECT_EQ(ReadAllBytes(File()), before);
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(MacroLibraryTest, ListingKeepsSlotOrderWithinTheGroup) {
    WriteFile({Macro(0x15000060, u"C"), Macro(0x01000061, u"Other group"), Macro(0x15000062, u"A")});
    ASSERT_TRUE(library_.LoadMacroLibrary());
    const auto list = library_.ListGroupMacros(21);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, u"C");
    EXPECT_EQ(list[1].name, u"A");
    EXPECT_EQ(library_.ListGroupMacros(1).at(0).id, 0x01000061u);
}

TEST(MacroInUse, FindsAnIdInAnySlotOrInTheLiveRecord) {
    ProfileCatalogue catalogue;
    std::memset(&catalogue, 0, sizeof catalogue);
    catalogue.Slot(4).buttonMacroIds[6] = 0x15000070;  // slot 4 need not be the active one
    auto live = std::make_unique<ProfileRecord>();
    ResetToDefaults(*live);
    live->buttons[2].functionCode = kFunctionMacro;
    live->buttons[2].macroId = 0x15000071;
    live->buttons[3].functionCode = kFunctionKeyCombo;  // a stale macroId does not count
    live->buttons[3].macroId = 0x15000072;

    EXPECT_TRUE(IsMacroInUse(0x15000070, catalogue, *live));
    EXPECT_TRUE(IsMacroInUse(0x15000071, catalogue, *live));
    EXPECT_FALSE(IsMacroInUse(0x15000072, catalogue, *live));
    EXPECT_FALSE(IsMacroInUse(0x15000073, catalogue, *live));
}

TEST(MacroIds, CarryTheGroupAboveTheLowTickBits) {
    test::FakeClock clock;
    clock.now = 0x12345678;
    EXPECT_EQ(NewMacroId(21, clock), 0x15345678u);
    EXPECT_EQ(MacroGroupOf(NewMacroId(1, clock)), 1u);
}

TEST(MacroGroups, NamesDifferByPlaceAndLanguageAsShipped) {
    struct Row {
        uint32_t group;
        bool chinese;
        std::u16string_view menu, caption, list;
    };
    const Row rows[] = {
        {1, false, u"Battlefield 3 ", u"Battlefield 3", u"Battlefield 3"},
        {1, true, u"战地 3 ", u"战地 3", u"战地 3"},
        {5, true, u"军团要塞2", u"军团要塞 2", u"军团要塞 2"},
        {7, false, u"Civilization 5 ", u"Civilization 5 ", u"Civilization 5 "},
        {13, true, u"远古遗迹守卫2（Dota 2） ", u"远古遗迹守卫2（Dota 2）", u"远古遗迹守卫2（Dota 2） "},
        {13, false, u"Dota 2 ", u"Dota 2 ", u"Dota 2 "},
        {21, false, u"Customize", u"Customisze", u"Customisze"},
        {21, true, u"玩家自定义", u"玩家自定义", u"玩家自定义"},
        {0, false, u"", u"", u""},  // not a group
        {22, true, u"", u"", u""},  // not a group
    };
    for (const Row& r : rows) {
        const PairLanguage language = r.chinese ? PairLanguage::kChinese : PairLanguage::kEnglish;
        EXPECT_EQ(GroupMenuName(r.group, language), r.menu) << r.group << (r.chinese ? " zh" : " en");
        EXPECT_EQ(GroupCaption(r.group, language), r.caption) << r.group << (r.chinese ? " zh" : " en");
        EXPECT_EQ(GroupListName(r.group, language), r.list) << r.group << (r.chinese ? " zh" : " en");
    }
}

}  // namespace
}  // namespace kx90
