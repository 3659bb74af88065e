// The basic-functions page: 24 items in list order with their catalogue labels, and its result.
#include "core/pages/basic_functions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace kx90::pages {
namespace {

TEST(BasicFunctions, TwentyFourItemsInListOrderWithTheirLabels) {
    LanguageStrings strings;
    strings.str_close = u"Close window";
    strings.str_mouseleft = u"Left button";
    strings.str_fire = u"Fire";
    const std::vector<BasicListItem> items = BasicListItems(strings);
    ASSERT_EQ(items.size(), static_cast<size_t>(kBasicListLength));
    EXPECT_EQ(items[0].code, 81u);
    EXPECT_EQ(items[0].label, u"Close window");
    EXPECT_EQ(items[9].code, 1u);
    EXPECT_EQ(items[9].label, u"Left button");
    EXPECT_EQ(items[23].code, 143u);
    std::set<uint32_t> codes;
    for (const BasicListItem& item : items) {
        EXPECT_TRUE(codes.insert(item.code).second) << item.code;
        EXPECT_NE(item.code, 121u) << "Disable has its own box";
    }
}

TEST(BasicFunctions, TheSelectionGivesItsCodeAndNoSelectionNothing) {
    const std::pair<int, int32_t> rows[] = {{0, 81}, {9, 1},  {22, 142},     {23, 143},
                                            {-1, 0}, {24, 0}, {INT32_MAX, 0}};
    for (const auto& [index, value] : rows) {
        const AssignmentChoice c = BasicPageResult(index);
        EXPECT_EQ(c.kind, kKindBasic) << index;
        EXPECT_EQ(c.value, value) << index;
    }
}

}  // namespace
}  // namespace kx90::pages
