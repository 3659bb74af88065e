// The look the assignment popup's lists share: dark rows, the selection fill, no step icons, and
// the skinned scroll bars around them.
#pragma once

#include <windows.h>

#include "win/skin/list_box_ex.h"

namespace kx90::pages {

inline constexpr int kBasicListItemHeight = 18;
inline constexpr int kMacroListItemHeight = 16;

// Creates the list in parent with the popup lists' colours and row height; not renamable.
void MakeAssignmentList(skin::CListBoxEx& list, HWND parent, const RECT& rect, UINT id, int itemHeight);

// Puts the list inside a skinned scroll frame drawn from the scroll-bar skin resource.
void WrapInSkinScrollBars(skin::CListBoxEx& list);

}  // namespace kx90::pages
