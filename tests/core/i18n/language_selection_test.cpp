// Language choice: Language.cfg at start-up, the language message, the installation language.
#include "core/i18n/language_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/i18n/language_strings.h"
#include "core/i18n/ui_language.h"
#include "core/platform/data_folders.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

using test::RecordingNotifier;
using test::TempDir;

class LanguageSelectionTest : public ::testing::Test {
protected:
    LanguageSelectionTest()
        : selection_(install_.path(), data_.path(), language_, notifier_,
                     {[this](int index) { flags_.push_back(index); }, [this] { ++refreshes_; },
                      [this] { ++popupCloses_; }}) {
        // Each shipped file stands in as one whose str_main names the file, so a test sees which
        // file was loaded.
        std::filesystem::create_directory(install_ / "Language");
        for (const LanguageRow& row : kLanguages) {
            const std::u16string_view file = row.file.substr(row.file.find(u'\\') + 1);
            const std::string xml = "<language><config><str_main>" + std::string(file.begin(), file.end()) +
                                    "</str_main></config></language>";
            test::WriteAllBytes(InstallFile(install_.path(), row.file), {xml.begin(), xml.end()});
        }
    }

    // The file the catalogue came from, or "" when nothing was loaded since the last reset.
    std::string Loaded() const {
        const std::u16string& text = language_.Strings().str_main;
        return std::string(text.begin(), text.end());
    }
    void ResetLoaded() { language_.SetStrings({}); }

    int32_t SavedIndex() {
        const auto bytes = test::ReadAllBytes(data_ / "Language.cfg");
        if (bytes.size() != 4) {
            return -1;
        }
        return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24);
    }

    TempDir install_;
    TempDir data_;
    UiLanguage language_;
    RecordingNotifier notifier_;
    std::vector<int> flags_;  // language indices whose flag was shown
    int refreshes_ = 0;
    int popupCloses_ = 0;
    LanguageSelection selection_;
};

TEST_F(LanguageSelectionTest, InstallationLanguageSetsBothFlagsAndConfigType) {
    struct Case {
        int iniValue;
        bool chinese;
        const char* file;
        int flag;
        std::u16string_view type;
    };
    const Case cases[] = {
        {1, true, "sc.xml", 1, u"1"},
        {0, false, "en.xml", 2, u"0"},  // also what a missing languagetype.ini gives
        {2, false, "en.xml", 2, u"0"},
    };
    for (const Case& c : cases) {
        ResetLoaded();
        flags_.clear();
        EXPECT_EQ(selection_.ApplyInstallLanguage(c.iniValue), c.type) << c.iniValue;
        EXPECT_EQ(language_.IsChinese(), c.chinese);
        EXPECT_EQ(language_.InstallIsChinese(), c.chinese);
        EXPECT_EQ(Loaded(), c.file);
        EXPECT_EQ(flags_, std::vector<int>{c.flag});
    }
}

TEST_F(LanguageSelectionTest, SavedIndexIsAppliedAtStartup) {
    struct Case {
        int32_t index;
        const char* loaded;
        bool chinese;
        int32_t saved;  // -1: Language.cfg not written
    };
    const Case cases[] = {
        {12, "tw.xml", false, 12},  // traditional Chinese texts, English built-in messages
        {1, "sc.xml", true, 1},
        {0, "", false, -1},   // ignored: the installation language stays
        {13, "", false, 13},  // nothing loaded, flag cleared, 13 written back
    };
    for (const Case& c : cases) {
        std::filesystem::remove(data_ / "Language.cfg");
        ResetLoaded();
        language_.SetChinese(false);
        selection_.ApplySavedLanguage(c.index);
        EXPECT_EQ(Loaded(), c.loaded) << c.index;
        EXPECT_EQ(language_.IsChinese(), c.chinese) << c.index;
        EXPECT_EQ(SavedIndex(), c.saved) << c.index;
        EXPECT_EQ(popupCloses_, 0);
    }
}

TEST_F(LanguageSelectionTest, PopupChoiceIsTakenOnlyWhileThePopupIsOpen) {
    selection_.OnPopupChoice(5);
    EXPECT_EQ(Loaded(), "") << "no popup open";
    EXPECT_EQ(SavedIndex(), -1);

    selection_.OnPopupOpened();
    selection_.OnPopupChoice(5);
    EXPECT_EQ(Loaded(), "ger.xml");
    EXPECT_EQ(flags_, std::vector<int>{5});
    EXPECT_EQ(SavedIndex(), 5);
    EXPECT_EQ(refreshes_, 1);
    EXPECT_EQ(popupCloses_, 1);
    EXPECT_FALSE(selection_.PopupOpen());

    // Closed without a choice: nothing changes, and the gone popup is never addressed again.
    selection_.OnPopupOpened();
    selection_.OnPopupChoice(0);
    EXPECT_FALSE(selection_.PopupOpen());
    selection_.OnPopupChoice(2);
    EXPECT_EQ(Loaded(), "ger.xml");
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
    LanguageStrings strings;
    strings.str_msg2 = u"Cannot find %s.";
    strings.str_msg5 = u"Access denied.";
    SaveLanguageIndex(data_ / "missing-folder", 3, notifier_, strings);
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_FALSE(notifier_.shown[0].infoDialog);
    EXPECT_EQ(notifier_.shown[0].caption, u"Info");
    EXPECT_EQ(notifier_.shown[0].text, u"Cannot find " + PathText(data_ / "missing-folder" / "Language.cfg") + u".");

    std::filesystem::create_directory(data_ / "Language.cfg");  // a folder in the file's place
    SaveLanguageIndex(data_.path(), 3, notifier_, strings);
    ASSERT_EQ(notifier_.shown.size(), 2u);
    EXPECT_EQ(notifier_.shown[1].text, u"Access denied.");
}

TEST(InstallFile, BackslashNamesBecomePathsOfThisPlatform) {
    const std::filesystem::path p = InstallFile("base", u"Language\\sc.xml");
    EXPECT_EQ(p, std::filesystem::path("base") / "Language" / "sc.xml");
}

}  // namespace
}  // namespace kx90
