// The updater's offer: dotted versions compared as numbers, and only a newer version with a web
// page is offered.
#include "core/pages/program_update.h"

#include <gtest/gtest.h>

namespace kx90::pages {
namespace {

TEST(ProgramUpdate, VersionsCompareAsNumbersPartByPart) {
    struct Case {
        std::u16string_view a, b;
        int sign;
    } const cases[] = {{u"1.0.2", u"1.0.1", 1},  {u"1.0.10", u"1.0.9", 1}, {u"1.0", u"1.0.0", 0},
                       {u"0.9.9", u"1.0.1", -1}, {u"2", u"1.9.9", 1},      {u"", u"0.0.1", -1}};
    for (const Case& c : cases) {
        const int got = CompareVersions(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << std::string(c.a.begin(), c.a.end());
    }
}

TEST(ProgramUpdate, OnlyANewerVersionWithAWebPageIsOffered) {
    auto description = [](const char* version, const char* page) {
        return std::string("<?xml version=\"1.0\"?><update><driver><version>") + version +
               "</version><page>" + page + "</page></driver></update>";
    };
    const auto offer = NewerProgramOffer(description("1.0.2", "https://example.test/kx90"), kProgramVersion);
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->version, u"1.0.2");
    EXPECT_NE(ProgramOfferText(*offer).find(u"1.0.2"), std::u16string::npos);
    EXPECT_FALSE(NewerProgramOffer(description("1.0.1", "https://example.test/"), kProgramVersion));
    EXPECT_FALSE(NewerProgramOffer(description("0.9", "https://example.test/"), kProgramVersion));
    EXPECT_FALSE(NewerProgramOffer(description("9.0", "C:\\Windows\\evil.exe"), kProgramVersion));
    EXPECT_FALSE(NewerProgramOffer("<update><driver><version>9", kProgramVersion));
    EXPECT_FALSE(NewerProgramOffer("", kProgramVersion));
}

}  // namespace
}  // namespace kx90::pages
