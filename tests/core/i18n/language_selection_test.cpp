// Language choice: Language.cfg at start-up, the language message, the installation language.
#include "core/i18n/language_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/i18n/language_strings.h"
#include "core/i18n/ui_language.h"
#include "core/profile/data_folders.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_language_scope.h"

namespace kx90 {
namespace {

using test::RecordingNotifier;
using test::TempDir;

class LanguageSelectionTest : public ::testing::Test {
protected:
    LanguageSelectionTest()
        : selection_(install_.path(), data_.path(), notifier_,
                     {[this](const std::filesystem::path& p) { loaded_.push_back(p.filename().string()); },
                      [this](int bitmap) { flags_.push_back(bitmap); }, [this] { ++refreshes_; },
                      [this] { ++popupCloses_; }}) {}

    int32_t SavedIndex() {
        const auto bytes = test::ReadAllBytes(data_ / "Language.cfg");
        if (bytes.size() != 4) {
            return -1;
        }
        return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24);
    }

    test::ScopedUiLanguage language_{false};
    TempDir install_;
    TempDir data_;
    RecordingNotifier notifier_;
    std::vector<std::string> loaded_;
    std::vector<int> flags_;
    int refreshes_ = 0;
    int popupCloses_ = 0;
    LanguageSelection selection_;
};

TEST_F(LanguageSelectionTest, InstallationLanguageSetsBothFlagsAndConfigType) {
    struct Case {
        int iniValue;
        int flag;
        const char* file;
        int bitmap;
        std::u16string_view type;
    };
    const Case cases[] = {
        {1, 1, "sc.xml", 142, u"1"},
        {0, 0, "en.xml", 143, u"0"},  // also what a missing languagetype.ini gives
        {2, 0, "en.xml", 143, u"0"},
    };
    for (const Case& c : cases) {
        loaded_.clear();
        flags_.clear();
        EXPECT_EQ(selection_.ApplyInstallLanguage(c.iniValue), c.type) << c.iniValue;
        EXPECT_EQ(UiLanguageFlag.load(), c.flag);
        EXPECT_EQ(InstallLanguageFlag.load(), c.flag);
        EXPECT_EQ(loaded_, std::vector<std::string>{c.file});
        EXPECT_EQ(flags_, std::vector<int>{c.bitmap});
    }
    InstallLanguageFlag = 0;
}

TEST_F(LanguageSelectionTest, StartupMessageAppliesTheSavedIndex) {
    struct Case {
        int32_t index;
        std::vector<std::string> loaded;
        int uiFlag;
        int32_t saved;  // -1: Language.cfg not written
    };
    const Case cases[] = {
        {12, {"tw.xml"}, 0, 12},  // traditional Chinese texts, English built-in messages
        {1, {"sc.xml"}, 1, 1},
        {0, {}, 0, -1},    // ignored: the installation language stays
        {13, {}, 0, 13},   // nothing loaded, flag cleared, 13 written back
    };
    for (const Case& c : cases) {
        std::filesystem::remove(data_ / "Language.cfg");
        loaded_.clear();
        UiLanguageFlag = 0;
        selection_.OnLanguageMessage(kLanguageMessageFromStartup, c.index);
        EXPECT_EQ(loaded_, c.loaded) << c.index;
        EXPECT_EQ(UiLanguageFlag.load(), c.uiFlag) << c.index;
        EXPECT_EQ(SavedIndex(), c.saved) << c.index;
        EXPECT_EQ(popupCloses_, 0);
    }
}

TEST_F(LanguageSelectionTest, PopupChoiceIsTakenOnlyWhileThePopupIsOpen) {
    selection_.OnLanguageMessage(0, 5);
    EXPECT_TRUE(loaded_.empty()) << "no popup open";
    EXPECT_EQ(SavedIndex(), -1);

    selection_.OnPopupOpened();
    selection_.OnLanguageMessage(0, 5);
    EXPECT_EQ(loaded_, std::vector<std::string>{"ger.xml"});
    EXPECT_EQ(flags_, std::vector<int>{146});
    EXPECT_EQ(SavedIndex(), 5);
    EXPECT_EQ(refreshes_, 1);
    EXPECT_EQ(popupCloses_, 1);
    EXPECT_FALSE(selection_.PopupOpen());

    // Closed without a choice: nothing changes, and the gone popup is never addressed again.
    selection_.OnPopupOpened();
    selection_.OnLanguageMessage(0, 0);
    EXPECT_FALSE(selection_.PopupOpen());
    selection_.OnLanguageMessage(0, 2);
    EXPECT_EQ(loaded_.size(), 1u);
    EXPECT_EQ(popupCloses_, 1);
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(LanguageSelectionTest, LanguageFileIsReadWithItsFailures) {
    EXPECT_EQ(ReadLanguageIndex(data_.path(), notifier_), 1) << "missing file";
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_TRUE(notifier_.shown[0].infoDialog);
    EXPECT_FALSE(notifier_.shown[0].twoButtons);
    EXPECT_EQ(notifier_.shown[0].text, u"Failed to open file, check whether there is a " +
                                           PathText(data_ / "Language.cfg") + u" path?");

    test::WriteAllBytes(data_ / "Language.cfg", {7, 0, 0, 0, 9});
    EXPECT_EQ(ReadLanguageIndex(data_.path(), notifier_), 7);
    test::WriteAllBytes(data_ / "Language.cfg", {7, 0});
    EXPECT_EQ(ReadLanguageIndex(data_.path(), notifier_), 1) << "cut short";
    EXPECT_EQ(notifier_.shown.size(), 1u);
}

TEST_F(LanguageSelectionTest, SaveFailuresShowTheirCatalogueTexts) {
    Strings().str_msg2 = u"Cannot find %s.";
    Strings().str_msg5 = u"Access denied.";
    SaveLanguageIndex(data_ / "missing-folder", 3, notifier_);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_FALSE(notifier_.shown[0].infoDialog);
    EXPECT_EQ(notifier_.shown[0].caption, u"Info");
    EXPECT_EQ(notifier_.shown[0].text, u"Cannot find " + PathText(data_ / "missing-folder" / "Language.cfg") + u".");

    std::filesystem::create_directory(data_ / "Language.cfg");  // a folder in the file's place
    SaveLanguageIndex(data_.path(), 3, notifier_);
    ASSERT_EQ(notifier_.shown.size(), 2u);
    EXPECT_EQ(notifier_.shown[1].text, u"Access denied.");
    Strings() = LanguageStrings{};
}

TEST(InstallFile, BackslashNamesBecomePathsOfThisPlatform) {
    const std::filesystem::path p = InstallFile("base", u"Language\\sc.xml");
    EXPECT_EQ(p, std::filesystem::path("base") / "Language" / "sc.xml");
}

}  // namespace
}  // namespace kx90
