// The assignment rules and storing a choice into the live record.
#include "core/pages/apply_assignment.h"

#include <optional>
#include <string>

#include "core/buttons/function_catalogue.h"
#include "core/buttons/key_naming.h"
#include "core/pages/advanced_action.h"

namespace kx90::pages {
namespace {

constexpr uint32_t kFunctionClick = 1;
constexpr int32_t kFunctionSnipe = 142;

bool KeepsClick(const AssignmentChoice& choice) {
    return choice.kind == kKindBasic && choice.value == static_cast<int32_t>(kFunctionClick);
}

bool OtherButtonHasClick(const ProfileRecord& record, int button) {
    for (int j = 0; j < kButtonCount; ++j) {
        if (j != button && record.buttons[j].functionCode == kFunctionClick) {
            return true;
        }
    }
    return false;
}

std::u16string_view MacroNameOf(const MacroLibrary& macros, uint32_t id) {
    const std::optional<int> slot = macros.FindMacro(id);
    return slot ? MacroName(macros.Slot(*slot)) : std::u16string_view{};
}

void Store(const AssignmentChoice& choice, const AssignmentContext& context) {
    const auto k = static_cast<size_t>(choice.buttonIndex);
    ButtonAssignment& b = context.record.buttons[k];
    const auto value = static_cast<uint32_t>(choice.value);
    context.liveMacroIds[k] = 0;
    b.functionCode = static_cast<uint32_t>(choice.kind);
    switch (choice.kind) {
        case kKindKeyCombination:
            b.keyCode = value;
            SetFieldText(b.displayName, GetKeyCodeName(value, context.keyboard));
            break;
        case kKindMacro:
            context.liveMacroIds[k] = value;
            b.macroId = value;
            SetFieldText(b.displayName, MacroNameOf(context.macros, value));
            break;
        case kKindAdvancedAction:
            b.actionCode = value;
            SetFieldText(b.actionPath, ChoicePath(choice));
            SetFieldText(b.displayName, ChoicePath(choice));
            b.actionKind = AdvancedActionKind(choice.actionIndex);
            break;
        case kKindDisabled:
            SetFieldText(b.displayName, GetFunctionName(kFunctionDisable, context.language));
            break;
        default:
            b.functionCode = value;
            SetFieldText(b.displayName, GetFunctionName(value, context.language));
            break;
    }
}

}  // namespace

AssignmentRefusal CheckAssignment(const AssignmentChoice& choice, const ProfileRecord& record) {
    const int k = choice.buttonIndex;
    const bool advanced = choice.kind == kKindAdvancedAction;
    if (choice.value == 0 || k < 0 || k >= kButtonCount ||
        (advanced && (choice.actionIndex < 0 || choice.actionIndex >= kAdvancedActionRowCount))) {
        return AssignmentRefusal::kNothingChosen;
    }
    if (!KeepsClick(choice) && !OtherButtonHasClick(record, k)) {
        return AssignmentRefusal::kLastLeftClick;
    }
    if (choice.value == kFunctionSnipe && (k == kButtonWheelUp || k == kButtonWheelDown)) {
        return AssignmentRefusal::kSniperOnWheel;
    }
    if (advanced && k == kButtonLeft) {
        return AssignmentRefusal::kAdvancedOnLeft;
    }
    if (advanced && ChoicePath(choice).size() > static_cast<size_t>(kMaxChoicePathChars)) {
        return AssignmentRefusal::kPathTooLong;
    }
    return AssignmentRefusal::kNone;
}

bool ApplyAssignment(const AssignmentChoice& choice, const AssignmentContext& context) {
    const AssignmentRefusal refusal = CheckAssignment(choice, context.record);
    if (refusal == AssignmentRefusal::kNone) {
        Store(choice, context);
        return true;
    }
    const std::u16string_view text = RefusalText(refusal, context.language);
    if (!text.empty()) {
        context.notifier.ShowInfo(std::u16string(text), false);
    }
    return false;
}

}  // namespace kx90::pages
