// ApplyAssignment: puts the assignment popup's choice into the live record after OK, under the
// rules that keep the mouse usable.
#pragma once

#include <array>
#include <cstdint>

#include "core/buttons/keyboard_layout.h"
#include "core/i18n/pair_language.h"
#include "core/macro/macro_library.h"
#include "core/pages/assignment_choice.h"
#include "core/pages/assignment_refusal.h"
#include "core/platform/notifier.h"
#include "core/profile/profile_record.h"

namespace kx90::pages {

// What ApplyAssignment reads and changes besides the choice. From the application:
// {state.LiveRecord(), state.LiveMacroIds(), macroLibrary, keyboardLayout, notifier, language.Pairs()}.
struct AssignmentContext {
    ProfileRecord& record;                             // the live record
    std::array<uint32_t, kButtonCount>& liveMacroIds;  // the live macro identifiers
    const MacroLibrary& macros;                        // names of macros
    const KeyboardLayout& keyboard;                    // names of keys
    Notifier& notifier;                                // the info dialog for a refusal
    PairLanguage language;                             // refusal texts and function names
};

// Whether the choice may be stored, checked in this order:
//   kNothingChosen  value 0, buttonIndex outside 0..6, or an advanced action whose actionIndex is
//                   outside 0..3 (the popup closes as cancelled before any of these reaches here);
//   kLastLeftClick  the button loses Click (anything but kind 0 with value 1) and no other button
//                   has functionCode 1;
//   kSniperOnWheel  value 142 (SNIPE) on button 5 or 6;
//   kAdvancedOnLeft an advanced action on button 0;
//   kPathTooLong    an advanced action whose path fills the whole field without a NUL.
// Nothing is changed.
AssignmentRefusal CheckAssignment(const AssignmentChoice& choice, const ProfileRecord& record);

// Stores the choice for button choice.buttonIndex and returns true, or shows the refusal's text
// in the info dialog (one button) and returns false with record and macro identifiers untouched
// (kNothingChosen shows nothing).
//
// Storing: the live macro identifier of the button becomes 0 and functionCode the kind; then by
// kind: 5 keyCode = value and displayName the key's name; 6 macroId and the live macro identifier
// = value, displayName the macro's name (empty when the library has no such macro); 19 actionCode
// = value, actionPath and displayName = path, actionKind 0xC0/0xD0/0xE0/0xF0 for actionIndex 0..3;
// 121 displayName "Disable key" in the language; any other kind functionCode = value and
// displayName its function name. Fields the kind does not name keep their contents.
//
// Paths: a picked path is checked when it arrives (SetChoicePath, AdvancedActionState::
// TakePickedPath); here only a choice filled some other way can still be too long.
bool ApplyAssignment(const AssignmentChoice& choice, const AssignmentContext& context);

}  // namespace kx90::pages
