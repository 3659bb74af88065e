// The advanced-action page: action codes and kinds, the pickers' settings, choosing rows, picked
// paths that do not fit, and the page's result.
#include "core/pages/advanced_action.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fakes.h"

namespace kx90::pages {
namespace {

TEST(AdvancedAction, CodesCarryRowAndButtonInByteTwo) {
    struct Row {
        int row, button;
        uint32_t code;
    };
    const Row rows[] = {
        {kActionRowSound, 0, 0x00C00006}, {kActionRowProgram, 3, 0x00D30006},
        {kActionRowFile, 1, 0x00E10006},  {kActionRowFolder, 6, 0x00F60006},
        {kActionRowSound, 6, 0x00C60006},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(AdvancedActionCode(r.row, r.button), r.code) << r.row << "," << r.button;
    }
    EXPECT_EQ(AdvancedActionKind(kActionRowSound), kActionPlaySound);
    EXPECT_EQ(AdvancedActionKind(kActionRowProgram), kActionStartProgram);
    EXPECT_EQ(AdvancedActionKind(kActionRowFile), kActionOpenFile);
    EXPECT_EQ(AdvancedActionKind(kActionRowFolder), kActionOpenFolder);
}

TEST(AdvancedAction, PickersInTheSystemsForm) {
    EXPECT_FALSE(kAdvancedActionPickers[kActionRowSound].folder);
    EXPECT_EQ(kAdvancedActionPickers[kActionRowSound].initialFolder, u"c:\\Windows\\Media");
    EXPECT_EQ(kAdvancedActionPickers[kActionRowProgram].initialFileName, u"*.exe");
    EXPECT_EQ(kAdvancedActionPickers[kActionRowFile].initialFolder, u"D:\\");
    EXPECT_TRUE(kAdvancedActionPickers[kActionRowFolder].folder);

    EXPECT_EQ(OpenFileDialogFilter(u"(*.exe)|*.exe||"), std::u16string(u"(*.exe)\0*.exe\0\0", 15));
    EXPECT_EQ(OpenFileDialogFilter(kAdvancedActionPickers[kActionRowSound].filter),
              std::u16string(u"(*.wav*)\0*.wav*\0\0", 17));
    EXPECT_EQ(OpenFileDialogDefaultExtension(u".wav*"), u"wav*");
    EXPECT_EQ(OpenFileDialogDefaultExtension(u"."), u"");
    EXPECT_EQ(OpenFileDialogDefaultExtension(u""), u"");
}

class AdvancedActionPageTest : public ::testing::Test {
protected:
    bool Pick(int row, std::u16string_view path) {
        return page_.TakePickedPath(row, path, notifier_, PairLanguage::kEnglish);
    }

    AdvancedActionState page_;
    test::RecordingNotifier notifier_;
};

TEST_F(AdvancedActionPageTest, OpensWithNothingAndGivesNothing) {
    EXPECT_EQ(page_.ChosenRow(), -1);
    for (int r = 0; r < kAdvancedActionRowCount; ++r) {
        EXPECT_TRUE(page_.Path(r).empty()) << r;
    }
    EXPECT_EQ(page_.Result(3).value, 0);
}

TEST_F(AdvancedActionPageTest, AProgramOnButtonThree) {
    const PathPicker* picker = page_.Browse(kActionRowProgram);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->filter, u"(*.exe)|*.exe||");
    ASSERT_TRUE(Pick(kActionRowProgram, u"C:\\Program Files\\Game\\game.exe"));
    const AssignmentChoice c = page_.Result(3);
    EXPECT_EQ(c.kind, kKindAdvancedAction);
    EXPECT_EQ(c.value, 0x00D30006);
    EXPECT_EQ(c.actionIndex, kActionRowProgram);
    EXPECT_EQ(ChoicePath(c), u"C:\\Program Files\\Game\\game.exe");
}

TEST_F(AdvancedActionPageTest, OnlyTheRowThatIsOnCountsAndOnlyWithAPath) {
    page_.Browse(kActionRowFile);
    ASSERT_TRUE(Pick(kActionRowFile, u"D:\\notes.txt"));
    page_.Choose(kActionRowSound);  // on, but without a path
    EXPECT_EQ(page_.ChosenRow(), kActionRowSound) << "at most one row is on";
    EXPECT_EQ(page_.Result(2).value, 0) << "the file row is off, the sound row has no path";

    page_.Browse(kActionRowFolder);  // the picker is cancelled: nothing comes back
    EXPECT_EQ(page_.ChosenRow(), kActionRowFolder) << "browsing alone turns the row on";
    EXPECT_EQ(page_.Result(2).value, 0);

    page_.Choose(kActionRowFile);
    EXPECT_EQ(page_.Result(2).value, static_cast<int32_t>(AdvancedActionCode(kActionRowFile, 2)));
    page_.Choose(7);
    EXPECT_EQ(page_.ChosenRow(), kActionRowFile) << "no row 7";
    EXPECT_EQ(page_.Browse(-1), nullptr);
}

TEST_F(AdvancedActionPageTest, APathTooLongIsRefusedAndTheOldOneStays) {
    page_.Browse(kActionRowSound);
    ASSERT_TRUE(Pick(kActionRowSound, u"C:\\a.wav"));
    EXPECT_FALSE(Pick(kActionRowSound, std::u16string(kMaxChoicePathChars + 1, u'x')));
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text, u"The path is too long, it can not be longer than 259 characters!");
    EXPECT_FALSE(notifier_.shown[0].twoButtons);
    EXPECT_EQ(page_.Path(kActionRowSound), u"C:\\a.wav");
    EXPECT_EQ(ChoicePath(page_.Result(1)), u"C:\\a.wav");

    const std::u16string longest(kMaxChoicePathChars, u'y');
    ASSERT_TRUE(Pick(kActionRowSound, longest));
    EXPECT_EQ(ChoicePath(page_.Result(1)), longest);
    EXPECT_EQ(notifier_.shown.size(), 1u);
}

}  // namespace
}  // namespace kx90::pages
