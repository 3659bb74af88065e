// The language catalogue: loading a language file, the shipped files, loads on two threads.
#include "core/i18n/language_strings.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "core/i18n/xml_document.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// Every key with the text "<key>=" plus extra, so a member shows which key filled it.
std::string FullFile(std::string_view extraInConfig = "", std::string_view skip = "") {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language>\n<config>\n";
    xml += extraInConfig;
    for (std::string_view key : kLanguageKeys) {
        if (key != skip) {
            xml += "<" + std::string(key) + ">" + std::string(key) + "=</" + std::string(key) + ">\n";
        }
    }
    return xml + "</config>\n</language>\n";
}


class LanguageStringsTest : public ::testing::Test {
protected:
    LanguageStrings Load(std::string_view xml) {
        test::WriteAllBytes(dir_ / "lang.xml", Bytes(xml));
        return LoadLanguageStrings(dir_ / "lang.xml");
    }
    test::TempDir dir_;
};

TEST_F(LanguageStringsTest, EveryMemberComesFromItsOwnKey) {
    const LanguageStrings strings = Load(FullFile());
    EXPECT_EQ(strings.str_main, u"str_main=");
    EXPECT_EQ(strings.str_PL, u"str_PL=");
    EXPECT_EQ(strings.str_firmware_version, u"str_firmware_version=");
}

TEST_F(LanguageStringsTest, MissingKeyIsEmptyAndTheOthersLoad) {
    const LanguageStrings strings = Load(FullFile("", "str_ok"));
    EXPECT_EQ(strings.str_ok, u"");
    EXPECT_EQ(strings.str_profile5, u"str_profile5=");
    EXPECT_EQ(strings.str_dpiwant, u"str_dpiwant=");
}

TEST_F(LanguageStringsTest, KeyTextsKeepSpacesAndDecodeReferencesAndCData) {
    const struct {
        const char* content;
        std::u16string_view expected;
    } cases[] = {
        {" OK ", u" OK "},
        {"A&amp;B", u"A&B"},
        {"<![CDATA[<b>]]>", u"<b>"},
        {"&#20013;&#x6587;", u"中文"},
    };
    for (const auto& c : cases) {
        const LanguageStrings strings =
            Load("<language><config><str_ok>" + std::string(c.content) + "</str_ok></config></language>");
        EXPECT_EQ(strings.str_ok, c.expected) << c.content;
    }
}

TEST_F(LanguageStringsTest, OnlyTheFirstConfigCountsAndTheFirstOccurrenceWins) {
    const LanguageStrings strings = Load(
        "<language><config><str_ok>first</str_ok><str_ok>second</str_ok></config>"
        "<config><str_ok>other</str_ok><str_main>only in the second</str_main></config></language>");
    EXPECT_EQ(strings.str_ok, u"first");
    EXPECT_EQ(strings.str_main, u"");
}

TEST_F(LanguageStringsTest, KeysMatchCaseSensitively) {
    const LanguageStrings strings = Load("<language><config><str_pl>lower</str_pl></config></language>");
    EXPECT_EQ(strings.str_PL, u"");
}

TEST_F(LanguageStringsTest, MissingFileGivesEveryMemberEmpty) {
    const LanguageStrings strings = LoadLanguageStrings(dir_ / "missing.xml");
#define KX90_EXPECT_EMPTY(key) EXPECT_EQ(strings.key, u"") << #key;
    KX90_LANGUAGE_KEYS(KX90_EXPECT_EMPTY)
#undef KX90_EXPECT_EMPTY
}

// The shipped language files, read through the reader exactly as the program reads them.
class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguageFile, HoldsEveryKeyWithText) {
    const std::filesystem::path path = std::filesystem::path(KX90_SOURCE_DIR) / "assets" / "Language" / GetParam();
    CXmlDocument document;
    ASSERT_TRUE(document.LoadFile(path)) << path.string() << ": "
                                         << std::string(document.ResultText().begin(), document.ResultText().end());
    EXPECT_EQ(document.Encoding(), u"UTF-8");
    const LanguageStrings strings = LoadLanguageStrings(path);
#define KX90_EXPECT_TEXT(key) EXPECT_FALSE(strings.key.empty()) << #key;
    KX90_LANGUAGE_KEYS(KX90_EXPECT_TEXT)
#undef KX90_EXPECT_TEXT
    // The file-not-found text is a format with exactly one path argument and no other directive.
    const std::u16string& format = strings.str_msg2;
    const size_t at = format.find(u"%s");
    ASSERT_NE(at, std::u16string::npos);
    EXPECT_EQ(format.find(u'%', at + 2), std::u16string::npos);
    EXPECT_EQ(format.find(u'%'), at);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, ShippedLanguageFile,
                         ::testing::Values("sc.xml", "en.xml", "fre.xml", "kor.xml", "ger.xml", "ita.xml",
                                           "span.xml", "dutch.xml", "pt.xml", "rus.xml", "ukr.xml", "tw.xml"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// The language loader (user-interface thread) and the update check (worker) each read with a
// document of their own, at the same time.
TEST(LanguageStringsLoad, TwoThreadsNeverSeeEachOthersFile) {
    test::TempDir dir;
    test::WriteAllBytes(dir / "lang.xml", Bytes(FullFile()));
    test::WriteAllBytes(dir / "update.xml",
                        Bytes("<update><firmware><current>14</current><newfile>http://x/fw.bin</newfile>"
                              "</firmware></update>"));
    std::thread updateCheck([&] {
        for (int i = 0; i < 200; ++i) {
            CXmlDocument document;
            document.LoadFile(dir / "update.xml");
            ASSERT_EQ(GetSectionText(document, u"firmware", u"current"), u"14");
            ASSERT_EQ(GetSectionText(document, u"firmware", u"newfile"), u"http://x/fw.bin");
        }
    });
    for (int i = 0; i < 200; ++i) {
        const LanguageStrings strings = LoadLanguageStrings(dir / "lang.xml");
        ASSERT_EQ(strings.str_firmware_version, u"str_firmware_version=");
        ASSERT_EQ(strings.str_main, u"str_main=");
    }
    updateCheck.join();
}

}  // namespace
}  // namespace kx90
