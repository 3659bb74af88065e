// ApplyAssignment: the left-click and sniper rules, the left button's advanced actions, paths that
// do not fit, and what each kind stores and keeps in the live record and macro identifiers.
#include "core/pages/apply_assignment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/buttons/function_catalogue.h"
#include "core/i18n/ui_language.h"
#include "core/pages/advanced_action.h"
#include "core/pages/assignment_popup.h"
#include "support/device_fakes.h"
#include "support/fakes.h"

namespace kx90::pages {
namespace {

constexpr std::u16string_view kLeftClickEnglish = u"At least one button must be configured as 'Left click'!";
constexpr std::u16string_view kLeftClickChinese = u"请保留至少一个键为\"单击\"功能!";
constexpr std::u16string_view kSniperEnglish = u"This key can not use the sniper function!";
constexpr std::u16string_view kSniperChinese = u"此按键不可使用狙击功能!";

constexpr uint32_t kMacroId = 0x15000042;  // group 21

AssignmentChoice Choice(int button, int32_t kind, int32_t value, int32_t actionIndex = 0,
                        std::u16string_view path = {}) {
    AssignmentChoice c;
    c.buttonIndex = button;
    c.kind = kind;
    c.value = value;
    c.actionIndex = actionIndex;
    EXPECT_TRUE(SetChoicePath(c, path));
    return c;
}

AssignmentChoice Basic(int button, uint32_t code) {
    return Choice(button, kKindBasic, static_cast<int32_t>(code));
}
AssignmentChoice Key(int button, uint32_t keyCode) {
    return Choice(button, kKindKeyCombination, static_cast<int32_t>(keyCode));
}
AssignmentChoice Macro(int button) {
    return Choice(button, kKindMacro, static_cast<int32_t>(kMacroId));
}
AssignmentChoice Program(int button, std::u16string_view path = u"C:\\Games\\game.exe") {
    return Choice(button, kKindAdvancedAction,
                  static_cast<int32_t>(AdvancedActionCode(kActionRowProgram, button)), kActionRowProgram,
                  path);
}
AssignmentChoice Disabled(int button) {
    return Choice(button, kKindDisabled, kDisabledValue);
}

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

// The factory record (button 0 the only Click), one macro in the library, and a button 4 whose
// every field holds something, so a test sees which fields a kind leaves alone.
class ApplyAssignmentTest : public ::testing::Test {
protected:
    ApplyAssignmentTest() : library_("unused", libraryNotifier_, libraryLanguage_, clock_) {
        library_.SetFileWriter(
            [](const std::filesystem::path&, std::span<const uint8_t>) { return FileStatus::kOk; });
        MacroRecord macro{};
        macro.recordSize = kMinMacroRecordSize;
        macro.marker = kMacroMarker;
        macro.id = kMacroId;
        macro.repeatCount = 1;
        macro.eventCount = 1;
        macro.events[0] = MakeMacroEvent(kMacroKeyDown, 0x41);
        SetMacroName(macro, u"Reload");
        EXPECT_TRUE(library_.StoreMacro(macro));

        ResetToDefaults(record_);
        ButtonAssignment& b = record_.buttons[kButtonBack];
        b.functionCode = kFunctionMacro;
        b.macroId = 0x01000007;
        b.actionKind = kActionOpenFolder;
        b.keyCode = 0x00040000;
        b.actionCode = 0x00F40006;
        SetFieldText(b.actionPath, u"D:\\old");
        SetFieldText(b.displayName, u"old name");
        macroIds_.fill(0x01000007);
    }

    AssignmentContext Context(PairLanguage language = PairLanguage::kEnglish) {
        return {record_, macroIds_, library_, keyboard_, notifier_, language};
    }
    bool Apply(const AssignmentChoice& choice, PairLanguage language = PairLanguage::kEnglish) {
        return ApplyAssignment(choice, Context(language));
    }
    void GiveSecondClick() { record_.buttons[kButtonRight].functionCode = 1; }

    const ButtonAssignment& Button(int k) const { return record_.buttons[k]; }
    std::u16string Name(int k) const { return std::u16string(FieldText(Button(k).displayName)); }
    std::string Shown() const {
        std::string all;
        for (const auto& s : notifier_.shown) {
            all += (s.infoDialog && !s.twoButtons ? "info: " : "other: ") + Narrow(s.text) + "\n";
        }
        return all;
    }

    test::RecordingNotifier libraryNotifier_;
    UiLanguage libraryLanguage_;
    test::FakeClock clock_;
    MacroLibrary library_;
    test::UsKeyboardLayout keyboard_;
    test::RecordingNotifier notifier_;
    ProfileRecord record_{};
    std::array<uint32_t, kButtonCount> macroIds_{};
};

TEST_F(ApplyAssignmentTest, TheOnlyClickButtonKeepsClickOrIsRefused) {
    struct Row {
        AssignmentChoice choice;
        bool stored;
        const char* what;
    };
    const Row rows[] = {
        {Basic(kButtonLeft, 1), true, "Click again from the basic list"},
        {Basic(kButtonLeft, 2), false, "another basic function"},
        {Key(kButtonLeft, 0x00060100), false, "a key"},
        {Macro(kButtonLeft), false, "a macro"},
        {Program(kButtonLeft), false, "an advanced action"},
        {Disabled(kButtonLeft), false, "Disable"},
        {Choice(kButtonLeft, kKindKeyCombination, 1), false, "value 1 of another kind is not Click"},
        {Basic(kButtonMiddle, 2), true, "another button while the left one keeps Click"},
    };
    for (const Row& r : rows) {
        ResetToDefaults(record_);
        notifier_.shown.clear();
        macroIds_.fill(0x01000007);
        const ProfileRecord before = record_;
        EXPECT_EQ(Apply(r.choice), r.stored) << r.what;
        if (r.stored) {
            EXPECT_TRUE(notifier_.shown.empty()) << r.what << "\n" << Shown();
        } else {
            EXPECT_EQ(Shown(), "info: " + Narrow(kLeftClickEnglish) + "\n") << r.what;
            EXPECT_EQ(std::memcmp(&before, &record_, sizeof record_), 0) << r.what;
            EXPECT_EQ(macroIds_[kButtonLeft], 0x01000007u) << r.what;
        }
    }
}

TEST_F(ApplyAssignmentTest, WithASecondClickButtonTheLeftOneMayChange) {
    const AssignmentChoice choices[] = {Basic(kButtonLeft, 2), Key(kButtonLeft, 0x00060100),
                                        Macro(kButtonLeft), Disabled(kButtonLeft)};
    for (const AssignmentChoice& choice : choices) {
        ResetToDefaults(record_);
        GiveSecondClick();
        EXPECT_TRUE(Apply(choice)) << "kind " << choice.kind;
        EXPECT_EQ(Button(kButtonLeft).functionCode, choice.kind == kKindBasic ? 2u : uint32_t(choice.kind));
    }
    EXPECT_TRUE(notifier_.shown.empty()) << Shown();
}

TEST_F(ApplyAssignmentTest, TheLeftClickMessageFollowsTheLanguage) {
    EXPECT_FALSE(Apply(Basic(kButtonLeft, 2), PairLanguage::kChinese));
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text, kLeftClickChinese);
}

TEST_F(ApplyAssignmentTest, SnipeIsRefusedOnlyOnTheWheelPositions) {
    for (int k = 0; k < kButtonCount; ++k) {
        ResetToDefaults(record_);
        GiveSecondClick();  // so the left-click rule never decides
        const bool wheel = k == kButtonWheelUp || k == kButtonWheelDown;
        const std::array<uint32_t, kButtonCount> idsBefore = macroIds_;
        const ButtonAssignment before = record_.buttons[k];
        notifier_.shown.clear();
        EXPECT_EQ(Apply(Basic(k, 142), PairLanguage::kChinese), !wheel) << "button " << k;
        if (wheel) {
            ASSERT_EQ(notifier_.shown.size(), 1u) << k;
            EXPECT_EQ(notifier_.shown[0].text, kSniperChinese);
            EXPECT_EQ(std::memcmp(&before, &record_.buttons[k], sizeof before), 0) << k;
            EXPECT_EQ(macroIds_, idsBefore) << k;
        } else {
            EXPECT_EQ(Button(k).functionCode, 142u) << k;
            EXPECT_EQ(Name(k), u"狙击键") << k;
        }
    }
    notifier_.shown.clear();
    EXPECT_FALSE(Apply(Basic(kButtonWheelDown, 142)));
    EXPECT_EQ(Shown(), "info: " + Narrow(kSniperEnglish) + "\n");
}

TEST_F(ApplyAssignmentTest, EachKindStoresItsFieldsAndKeepsTheOthers) {
    struct Expected {
        uint32_t functionCode, macroId, actionKind, keyCode, actionCode;
        std::u16string_view actionPath, displayName;
        uint32_t liveMacroId;
    };
    struct Row {
        AssignmentChoice choice;
        PairLanguage language;
        Expected expected;
    };
    // Button 4 starts as macro 0x01000007 with every other field set too (see the fixture).
    const Row rows[] = {
        {Key(kButtonBack, 0x00060100),
         PairLanguage::kEnglish,
         {5, 0x01000007, kActionOpenFolder, 0x00060100, 0x00F40006, u"D:\\old", u"Ctrl + C", 0}},
        {Macro(kButtonBack),
         PairLanguage::kEnglish,
         {6, kMacroId, kActionOpenFolder, 0x00040000, 0x00F40006, u"D:\\old", u"Reload", kMacroId}},
        {Program(kButtonBack),
         PairLanguage::kEnglish,
         {19, 0x01000007, kActionStartProgram, 0x00040000, 0x00D40006, u"C:\\Games\\game.exe",
          u"C:\\Games\\game.exe", 0}},
        {Choice(kButtonBack, kKindAdvancedAction, 0x00F40006, kActionRowFolder, u"E:\\clips"),
         PairLanguage::kEnglish,
         {19, 0x01000007, kActionOpenFolder, 0x00040000, 0x00F40006, u"E:\\clips", u"E:\\clips", 0}},
        {Disabled(kButtonBack),
         PairLanguage::kEnglish,
         {121, 0x01000007, kActionOpenFolder, 0x00040000, 0x00F40006, u"D:\\old", u"Disable key", 0}},
        {Disabled(kButtonBack),
         PairLanguage::kChinese,
         {121, 0x01000007, kActionOpenFolder, 0x00040000, 0x00F40006, u"D:\\old", u"禁用按键", 0}},
        {Basic(kButtonBack, 37),
         PairLanguage::kChinese,
         {37, 0x01000007, kActionOpenFolder, 0x00040000, 0x00F40006, u"D:\\old", u"音量+", 0}},
        {Basic(kButtonBack, 81),
         PairLanguage::kEnglish,
         {81, 0x01000007, kActionOpenFolder, 0x00040000, 0x00F40006, u"D:\\old", u"Close window", 0}},
    };
    const ProfileRecord start = record_;
    for (const Row& r : rows) {
        record_ = start;
        macroIds_.fill(0x01000007);
        ASSERT_TRUE(Apply(r.choice, r.language)) << "kind " << r.choice.kind;
        const ButtonAssignment& b = Button(kButtonBack);
        const Expected& e = r.expected;
        EXPECT_EQ(b.functionCode, e.functionCode) << "kind " << r.choice.kind;
        EXPECT_EQ(b.macroId, e.macroId) << "kind " << r.choice.kind;
        EXPECT_EQ(b.actionKind, e.actionKind) << "kind " << r.choice.kind;
        EXPECT_EQ(b.keyCode, e.keyCode) << "kind " << r.choice.kind;
        EXPECT_EQ(b.actionCode, e.actionCode) << "kind " << r.choice.kind;
        EXPECT_EQ(FieldText(b.actionPath), e.actionPath) << "kind " << r.choice.kind;
        EXPECT_EQ(FieldText(b.displayName), e.displayName)
            << "kind " << r.choice.kind << ": " << Narrow(Name(4));
        EXPECT_EQ(macroIds_[kButtonBack], e.liveMacroId) << "kind " << r.choice.kind;
        for (int k = 0; k < kButtonCount; ++k) {
            if (k != kButtonBack) {
                EXPECT_EQ(std::memcmp(&start.buttons[k], &record_.buttons[k], sizeof(ButtonAssignment)), 0)
                    << k;
                EXPECT_EQ(macroIds_[k], 0x01000007u) << k;
            }
        }
    }
    EXPECT_TRUE(notifier_.shown.empty()) << Shown();
}

TEST_F(ApplyAssignmentTest, DefaultSettingOnTheWheelDownPositionStoresScrollDown) {
    SetFieldText(record_.buttons[kButtonWheelDown].displayName, u"Volume up");
    record_.buttons[kButtonWheelDown].functionCode = 37;
    AssignmentPopupState popup(kButtonWheelDown);
    ASSERT_EQ(popup.PressDefault(), PopupClose::kOk);
    ASSERT_TRUE(Apply(popup.Choice(), PairLanguage::kChinese));
    EXPECT_EQ(Button(kButtonWheelDown).functionCode, 22u);
    EXPECT_EQ(Name(kButtonWheelDown), u"滚轮后滚");

    AssignmentPopupState left(kButtonLeft);
    ASSERT_EQ(left.PressDefault(), PopupClose::kOk);
    EXPECT_TRUE(Apply(left.Choice())) << "Default on the only Click button keeps Click";
    EXPECT_EQ(Name(kButtonLeft), u"Click");
}

TEST_F(ApplyAssignmentTest, AnAdvancedActionOnTheLeftButtonIsRefused) {
    GiveSecondClick();
    const ProfileRecord before = record_;
    const std::array<uint32_t, kButtonCount> idsBefore = macroIds_;
    EXPECT_FALSE(Apply(Program(kButtonLeft)));
    EXPECT_FALSE(Apply(Program(kButtonLeft), PairLanguage::kChinese));
    ASSERT_EQ(notifier_.shown.size(), 2u) << Shown();
    EXPECT_EQ(notifier_.shown[0].text, u"The left button can not use advanced functions!");
    EXPECT_EQ(notifier_.shown[1].text, u"左键不可使用高级功能!");
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof record_), 0);
    EXPECT_EQ(macroIds_, idsBefore);

    EXPECT_TRUE(Apply(Program(kButtonMiddle))) << "every other button may run one";
}

TEST_F(ApplyAssignmentTest, APathThatFillsTheWholeFieldIsRefusedNeverCut) {
    AssignmentChoice choice = Program(kButtonMiddle);
    std::fill(std::begin(choice.path), std::end(choice.path), u'x');  // 260 units, no NUL
    const ProfileRecord before = record_;
    EXPECT_FALSE(Apply(choice));
    EXPECT_FALSE(Apply(choice, PairLanguage::kChinese));
    ASSERT_EQ(notifier_.shown.size(), 2u) << Shown();
    EXPECT_EQ(notifier_.shown[0].text, u"The path is too long, it can not be longer than 259 characters!");
    EXPECT_EQ(notifier_.shown[1].text, u"路径太长,不可超过259个字符!");
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof record_), 0);

    const std::u16string longest(kMaxChoicePathChars, u'y');
    ASSERT_TRUE(Apply(Program(kButtonMiddle, longest)));
    EXPECT_EQ(FieldText(Button(kButtonMiddle).actionPath), longest) << "259 units fit whole";
    EXPECT_EQ(FieldText(Button(kButtonMiddle).displayName), longest);
}

TEST_F(ApplyAssignmentTest, SetChoicePathRefusesWhatDoesNotFitAndKeepsTheOldPath) {
    AssignmentChoice choice;
    ASSERT_TRUE(SetChoicePath(choice, u"C:\\a.wav"));
    EXPECT_FALSE(SetChoicePath(choice, std::u16string(kChoicePathChars, u'z')));
    EXPECT_EQ(ChoicePath(choice), u"C:\\a.wav");
    ASSERT_TRUE(SetChoicePath(choice, u"D:\\b"));
    EXPECT_EQ(ChoicePath(choice), u"D:\\b") << "a shorter path leaves nothing of the longer one";
    EXPECT_EQ(choice.path[5], u'\0');
}

TEST_F(ApplyAssignmentTest, NothingChosenStoresNothingAndSaysNothing) {
    GiveSecondClick();
    const AssignmentChoice bad[] = {
        Basic(kButtonMiddle, 0),                                          // OK with nothing selected
        Basic(kButtonCount, 2),                                           // no such button
        Basic(-1, 2),                                                     // likewise
        Choice(kButtonMiddle, kKindAdvancedAction, 0x00C10006, 4, u"x"),  // no action row 4
    };
    const ProfileRecord before = record_;
    for (const AssignmentChoice& choice : bad) {
        EXPECT_FALSE(Apply(choice)) << choice.buttonIndex << " " << choice.value;
    }
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof record_), 0);
    EXPECT_TRUE(notifier_.shown.empty()) << Shown();
}

}  // namespace
}  // namespace kx90::pages
