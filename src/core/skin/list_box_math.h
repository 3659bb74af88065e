// The skinned list box's item data, row drawing places and the rows in view: pure arithmetic for
// the owner-drawn list.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/layout/geometry.h"

namespace kx90::skin {

// Item types, in bits 24-31 of an item's data.
inline constexpr uint32_t kListItemPlain = 0;     // no icon; the whole 32 bits are the owner's value
inline constexpr uint32_t kListItemIndented = 1;  // no icon, text where it would be after one
inline constexpr uint32_t kListItemKeyUp = 2;
inline constexpr uint32_t kListItemKeyDown = 3;
inline constexpr uint32_t kListItemDelay = 4;

// A row's rename editor takes at most this many characters.
inline constexpr int kListRenameMaxChars = 20;

// An item's data: the type in bits 24-31 over the value's low 24 bits; the value alone for a plain
// item.
constexpr uint32_t PackListItemData(uint32_t type, uint32_t value) {
    return type == kListItemPlain ? value : (type << 24) | (value & 0xFFFFFFu);
}

// Where a row's icon and text go. A list that shows icons reads the type from the top byte of every
// item, plain ones too: a list whose values fill the top byte (macro identifiers carry their group
// there) must be drawn with showIcons off, or groups 1 to 4 come out indented or with step icons.
struct ListRowLayout {
    layout::Rect icon;             // 16 x 16 at (left + 5, top + 1); empty when the row has none
    std::u16string_view iconFile;  // in the installation's "skins" folder; empty when none
    int textLeft = 0;              // left + 26 after an icon (or its room), left + 5 otherwise
};
ListRowLayout LayOutListRow(const layout::Rect& row, uint32_t itemData, bool showIcons, bool selected);

// Rows wholly inside a client area of the given height (at least 1 when any part of a row fits).
int ListVisibleRows(int clientHeight, int itemHeight);
// The highest first row in view that still fills the client area: 0 when everything fits.
int ListMaxTopIndex(int count, int clientHeight, int itemHeight);
// The row under a client y with topIndex the first row in view, or -1 above the first row and
// below the last.
int ListItemAtPoint(int y, int topIndex, int itemHeight, int count);
// A row's rectangle in a client area width wide (it may lie outside the client area).
layout::Rect ListItemRect(int index, int topIndex, int itemHeight, int width);

}  // namespace kx90::skin
