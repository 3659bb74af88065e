// A constexpr table of (name, value) rows sorted by name, searched by halves: the reader's charset
// names and entity names.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kx90 {

struct NamedValue {
    std::string_view name;
    uint32_t value;
};

// True when the names are strictly ascending in byte order (checked at compile time by each table).
constexpr bool IsSortedByName(std::span<const NamedValue> table) {
    for (size_t i = 1; i < table.size(); ++i) {
        if (!(table[i - 1].name < table[i].name)) {
            return false;
        }
    }
    return true;
}

// The value of the row with exactly this name, 0 when there is none.
inline uint32_t LookUpName(std::span<const NamedValue> table, std::string_view name) {
    const auto it = std::lower_bound(table.begin(), table.end(), name,
                                     [](const NamedValue& row, std::string_view key) { return row.name < key; });
    return (it != table.end() && it->name == name) ? it->value : 0;
}

}  // namespace kx90
