// AssignmentChoice: what the button-assignment popup hands back when it closes with OK.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/buttons/function_catalogue.h"
#include "core/profile/profile_record.h"

namespace kx90::pages {

// AssignmentChoice::kind. Anything that is not one of the last four is a basic function.
inline constexpr int32_t kKindBasic = 0;
inline constexpr int32_t kKindKeyCombination = 5;   // value: keyCode
inline constexpr int32_t kKindMacro = 6;            // value: macro identifier
inline constexpr int32_t kKindAdvancedAction = 19;  // value: action code; actionIndex, path
inline constexpr int32_t kKindDisabled = 121;       // value: 7

static_assert(kKindKeyCombination == static_cast<int32_t>(kFunctionKeyCombo));
static_assert(kKindMacro == static_cast<int32_t>(kFunctionMacro));
static_assert(kKindAdvancedAction == static_cast<int32_t>(kFunctionHostAction));
static_assert(kKindDisabled == static_cast<int32_t>(kFunctionDisable));

// The value OK gives while the Disable box is checked.
inline constexpr int32_t kDisabledValue = 7;

// Room of the path, NUL included; a path holds at most kMaxChoicePathChars units.
inline constexpr int kChoicePathChars = 260;
inline constexpr int kMaxChoicePathChars = kChoicePathChars - 1;
static_assert(kChoicePathChars == kTextFieldChars, "the path is copied into ButtonAssignment::actionPath");

// Every field starts at zero; the caller sets buttonIndex before the popup opens.
struct AssignmentChoice {
    int32_t buttonIndex = 0;  // 0..6, in the order of ProfileRecord::buttons
    int32_t value = 0;        // by kind: function code, keyCode, macro id or action code; 0 = nothing
    int32_t kind = kKindBasic;
    int32_t actionIndex = 0;               // advanced actions: 0 sound, 1 program, 2 file, 3 folder
    char16_t path[kChoicePathChars] = {};  // advanced actions: NUL-terminated
};

// The path up to its NUL. A path that fills all 260 units without one comes back whole (260 units),
// so a caller can see that it is too long instead of reading past the field.
std::u16string_view ChoicePath(const AssignmentChoice& choice);

// Puts a path picked for an advanced action into the choice. A path longer than 259 units is
// refused (false) and the choice keeps its old path: a cut path would name another file.
bool SetChoicePath(AssignmentChoice& choice, std::u16string_view path);

}  // namespace kx90::pages
