// The macro page of the assignment popup: the group list, the macros of a group, and the selection
// each filling leaves.
#include "core/pages/macro_choice.h"

#include <gtest/gtest.h>

#include "core/macro/macro_groups.h"
#include "support/fakes.h"

namespace kx90::pages {
namespace {

MacroRecord Macro(uint32_t id, std::u16string_view name) {
    MacroRecord r{};
    r.recordSize = kMinMacroRecordSize;
    r.marker = kMacroMarker;
    r.id = id;
    r.repeatCount = 1;
    r.eventCount = 1;
    r.events[0] = MakeMacroEvent(kMacroKeyDown, 0x41);
    SetMacroName(r, name);
    return r;
}

class MacroChoiceTest : public ::testing::Test {
protected:
    MacroChoiceTest() : library_("unused", notifier_, language_, clock_) {
        library_.SetFileWriter(
            [](const std::filesystem::path&, std::span<const uint8_t>) { return FileStatus::kOk; });
    }
    void Add(uint32_t id, std::u16string_view name) { ASSERT_TRUE(library_.StoreMacro(Macro(id, name))); }

    test::RecordingNotifier notifier_;
    UiLanguage language_;
    test::FakeClock clock_;
    MacroLibrary library_;
};

TEST(MacroGroupList, TwentyOneGroupsInTheirListSpelling) {
    const auto english = MacroGroupListNames(PairLanguage::kEnglish);
    ASSERT_EQ(english.size(), 21u);
    EXPECT_EQ(english[0], u"Battlefield 3");
    EXPECT_EQ(english[20], u"Customisze");
    EXPECT_EQ(MacroGroupListNames(PairLanguage::kChinese)[12], u"远古遗迹守卫2（Dota 2） ");
}

TEST_F(MacroChoiceTest, OpensOnTheLastGroupWithItsLastMacroSelected) {
    Add(0x15000001, u"First");
    Add(0x03000001, u"Other group");
    Add(0x15000002, u"Last");
    MacroChoiceState page(library_);
    EXPECT_EQ(page.ShownGroupIndex(), 20);
    ASSERT_EQ(page.Macros().size(), 2u);
    EXPECT_EQ(page.Macros()[1].name, u"Last");
    EXPECT_EQ(page.SelectedMacro(), 1);
    const AssignmentChoice c = page.Result();
    EXPECT_EQ(c.kind, kKindMacro);
    EXPECT_EQ(c.value, 0x15000002);

    page.SelectMacro(0);
    EXPECT_EQ(page.Result().value, 0x15000001);
}

TEST_F(MacroChoiceTest, AnotherGroupRefillsAndAnEmptyGroupGivesNothing) {
    Add(0x15000001, u"Custom");
    Add(0x03000001, u"Smoke");
    Add(0x03000002, u"Flash");
    MacroChoiceState page(library_);
    EXPECT_FALSE(page.OnGroupSelected(20)) << "the shown group again changes nothing";
    page.SelectMacro(0);
    EXPECT_FALSE(page.OnGroupSelected(20));
    EXPECT_EQ(page.SelectedMacro(), 0);

    ASSERT_TRUE(page.OnGroupSelected(2));
    EXPECT_EQ(page.ShownGroupIndex(), 2);
    ASSERT_EQ(page.Macros().size(), 2u);
    EXPECT_EQ(page.Result().value, 0x03000002);

    ASSERT_TRUE(page.OnGroupSelected(0));
    EXPECT_TRUE(page.Macros().empty());
    EXPECT_EQ(page.SelectedMacro(), -1);
    EXPECT_EQ(page.Result().value, 0) << "OK on an empty group cancels";

    EXPECT_FALSE(page.OnGroupSelected(21)) << "no group 22";
    EXPECT_FALSE(page.OnGroupSelected(-1));
    page.SelectMacro(3);
    EXPECT_EQ(page.SelectedMacro(), -1);
}

TEST_F(MacroChoiceTest, AnEmptyLibraryOffersNothing) {
    MacroChoiceState page(library_);
    EXPECT_TRUE(page.Macros().empty());
    EXPECT_EQ(page.Result().value, 0);
}

}  // namespace
}  // namespace kx90::pages
