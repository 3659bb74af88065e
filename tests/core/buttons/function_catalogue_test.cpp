// Function catalogue: names by language, the basic list, defaults and the device key codes.
#include "core/buttons/function_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace kx90 {
namespace {

TEST(FunctionCatalogue, NamesFollowTheInterfaceLanguageAndKindMarkersHaveNone) {
    struct Row {
        uint32_t code;
        std::u16string_view chinese, english;
    };
    const Row rows[] = {
        {121, u"禁用按键", u"Disable key"}, {1, u"单击", u"Click"},          {126, u"放大", u"sreen zoom in"},
        {143, u"火力", u"FIRE"},            {5, u"", u""},                   {6, u"", u""},
        {19, u"", u""},                     {0, u"", u""},                   {0xFFFFFFFF, u"", u""},
    };
    for (const Row& row : rows) {
        { EXPECT_EQ(GetFunctionName(row.code, PairLanguage::kChinese), row.chinese) << row.code; }
        EXPECT_EQ(GetFunctionName(row.code, PairLanguage::kEnglish), row.english) << row.code;
    }
}

TEST(FunctionCatalogue, BasicListHasTwentyFourLabelledPositions) {
    std::set<int> positions;
    for (const FunctionRow& row : kFunctionCatalogue) {
        EXPECT_EQ(row.listLabel == nullptr, row.listPosition == 0) << row.code;
        if (row.listPosition != 0) {
            positions.insert(row.listPosition);
        }
    }
    EXPECT_EQ(positions.size(), static_cast<size_t>(kBasicListLength));
    EXPECT_EQ(*positions.begin(), 1);
    EXPECT_EQ(*positions.rbegin(), kBasicListLength);
    EXPECT_EQ(FunctionAtListPosition(1)->code, 81u);
    EXPECT_EQ(FunctionAtListPosition(20)->listLabel, &LanguageStrings::str_vol_dw);
    EXPECT_EQ(FunctionAtListPosition(0), nullptr);
    EXPECT_EQ(FunctionAtListPosition(25), nullptr);
}

TEST(FunctionCatalogue, DefaultFunctionsGiveTheFactoryKeyMatrix) {
    EXPECT_EQ(DefaultButtonFunctions, (std::array<uint32_t, 7>{1, 4, 2, 8, 16, 11, 22}));
    // Device key codes of the defaults, in button order.
    const uint32_t expected[kButtonCount] = {0x00F00001, 0x00F20001, 0x00F10001, 0x00F40001,
                                             0x00F30001, 0x00010004, 0x00020004};
    for (int i = 0; i < kButtonCount; ++i) {
        ASSERT_NE(FindFunction(DefaultButtonFunctions[i]), nullptr) << i;
        EXPECT_EQ(FindFunction(DefaultButtonFunctions[i])->deviceKeyCode, expected[i]) << i;
    }
    std::set<uint32_t> codes;
    for (const FunctionRow& row : kFunctionCatalogue) {
        EXPECT_TRUE(codes.insert(row.code).second) << "duplicate " << row.code;
        EXPECT_FALSE(row.chineseName.empty() || row.englishName.empty()) << row.code;
    }
}

}  // namespace
}  // namespace kx90
