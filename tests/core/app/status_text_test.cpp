// Help-line texts by status code.
#include "core/app/status_text.h"

#include <gtest/gtest.h>

namespace kx90 {
namespace {

TEST(StatusText, CodesMapToTheirCatalogueTextsAndButtonNames) {
    LanguageStrings strings;
    strings.str_main = u"Buttons";
    strings.str_rollerScreen = u"One screen";
    strings.str_ledspe = u"Spectrum";
    strings.str_norviWeb = u"Web";
    strings.str_importFile = u"Import";
    strings.str_defaultname = u"Defaults";
    strings.str_dpi_setting = u"DPI";
    strings.str_driver_version = u"Driver";
    strings.str_firmware_version = u"Firmware";
    UiLanguage english;
    english.SetStrings(strings);
    ProfileRecord live;
    ResetToDefaults(live);
    SetFieldText(live.buttons[6].displayName, u"Reload macro");

    struct Case {
        int code;
        std::u16string text;
    };
    const Case cases[] = {
        {1, u"Buttons"},   {18, u"One screen"}, {19, u"Click"},    {25, u"Reload macro"},
        {26, u"Spectrum"}, {57, u"Web"},        {58, u"Import"},   {60, u"Defaults"},
        {61, u"DPI"},      {89, u"Driver"},     {90, u"Firmware"}, {0, u""},
        {91, u""},         {-5, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusText(c.code, english, live), c.text) << c.code;
    }
}

TEST(StatusText, ButtonNameFollowsTheLanguageAndIsStored) {
    ProfileRecord live;
    ResetToDefaults(live, PairLanguage::kEnglish);
    UiLanguage chinese;
    chinese.SetChinese(true);
    EXPECT_EQ(StatusText(20, chinese, live), u"中键");
    EXPECT_EQ(FieldText(live.buttons[1].displayName), u"中键");
}

}  // namespace
}  // namespace kx90
