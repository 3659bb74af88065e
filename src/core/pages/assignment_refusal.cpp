// The texts of the refused assignments, in Chinese and English.
#include "core/pages/assignment_refusal.h"

namespace kx90::pages {
namespace {

struct RefusalTexts {
    AssignmentRefusal refusal;
    std::u16string_view chinese;
    std::u16string_view english;
};

// The first two are the program's own texts, spelled as it always shows them.
constexpr RefusalTexts kRefusalTexts[] = {
    {AssignmentRefusal::kLastLeftClick, u"请保留至少一个键为\"单击\"功能!",
     u"At least one button must be configured as 'Left click'!"},
    {AssignmentRefusal::kSniperOnWheel, u"此按键不可使用狙击功能!",
     u"This key can not use the sniper function!"},
    {AssignmentRefusal::kAdvancedOnLeft, u"左键不可使用高级功能!",
     u"The left button can not use advanced functions!"},
    {AssignmentRefusal::kPathTooLong, u"路径太长,不可超过259个字符!",
     u"The path is too long, it can not be longer than 259 characters!"},
};

}  // namespace

std::u16string_view RefusalText(AssignmentRefusal refusal, PairLanguage language) {
    for (const RefusalTexts& row : kRefusalTexts) {
        if (row.refusal == refusal) {
            return PickByLanguage(language, row.chinese, row.english);
        }
    }
    return {};
}

}  // namespace kx90::pages
