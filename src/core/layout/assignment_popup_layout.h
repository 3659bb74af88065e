// The button-assignment popup and its four pages, in pixels of the popup and of a page. The
// popup and its pages place their controls with these tables and skingen draws their pictures
// from them. One layout serves every language: the captions are drawn at run time.
#pragma once

#include "core/layout/geometry.h"

namespace kx90::layout::assignment_popup {

inline constexpr Size kSize{413, 300};

inline constexpr Rect kCloseButton{383, 1, 411, 24};
// Key or combination, macro, basic, advanced.
inline constexpr Rect kTabs[4] = {
    {0, 37, 110, 64}, {111, 37, 207, 64}, {208, 37, 303, 64}, {304, 37, 412, 64}};
inline constexpr Rect kDisableBox{23, 258, 42, 277};
// Wider than the box's caption needs in Chinese: "Disable button" and its translations run on
// towards Default setting.
inline constexpr Rect kDisableLabel{46, 258, 230, 278};
inline constexpr Rect kDefaultButton{238, 254, 315, 289};
inline constexpr Rect kOkButton{316, 254, 393, 289};

// Painted texts: the title and "current function: <name>".
inline constexpr Rect kTitle{75, 1, 317, 20};
inline constexpr Rect kCurrentFunction{5, 16, 180, 38};

// Where the four pages sit; each page is a child of this size.
inline constexpr Rect kPageArea{21, 74, 391, 243};
inline constexpr Size kPageSize{kPageArea.right - kPageArea.left, kPageArea.bottom - kPageArea.top};

}  // namespace kx90::layout::assignment_popup

// The key-or-combination page, in page pixels.
namespace kx90::layout::key_page {

// Ctrl, Alt, Shift, Win; their names are part of the page picture, left of each box.
inline constexpr Rect kModifierToggles[4] = {
    {59, 45, 72, 58}, {59, 70, 72, 83}, {59, 94, 72, 108}, {58, 119, 72, 133}};
inline constexpr const char* kModifierNames[4] = {"Ctrl", "Alt", "Shift", "Win"};
// The field that shows the pressed key's name, and the box the name is drawn in.
inline constexpr Rect kKeyNameArea{168, 77, 326, 100};
inline constexpr Rect kKeyNameText{170, 77, 326, 100};

}  // namespace kx90::layout::key_page

// The advanced-actions page, in page pixels: rows sound, program, file, folder.
namespace kx90::layout::advanced_page {

struct ActionRow {
    Rect choice;  // check-style button, at most one row on
    Rect label;   // painted catalogue text
    Rect path;    // the chosen path, shown as a button caption
    Rect browse;
};

inline constexpr ActionRow kRows[4] = {
    {{21, 37, 38, 54}, {41, 36, 127, 56}, {124, 36, 263, 52}, {273, 33, 349, 55}},
    {{21, 63, 38, 80}, {41, 63, 127, 83}, {124, 63, 262, 79}, {273, 59, 349, 81}},
    {{21, 88, 38, 105}, {41, 89, 127, 109}, {124, 89, 262, 105}, {273, 86, 349, 108}},
    {{21, 114, 38, 131}, {41, 116, 127, 136}, {124, 116, 262, 132}, {273, 113, 349, 135}},
};

}  // namespace kx90::layout::advanced_page

// The basic-functions page and the macro-choice page, in page pixels.
namespace kx90::layout::basic_page {

// The list fills the page (list id 101, 18-pixel items).
inline constexpr Rect kFunctionList{0, 0, assignment_popup::kPageSize.width, assignment_popup::kPageSize.height};

}  // namespace kx90::layout::basic_page

namespace kx90::layout::macro_choice_page {

inline constexpr Rect kGroupList{1, 1, 184, 168};    // list id 10001, 16-pixel items
inline constexpr Rect kMacroList{188, 1, 369, 168};  // list id 10002, 16-pixel items

}  // namespace kx90::layout::macro_choice_page
