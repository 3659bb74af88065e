// The one conversion pair between the core's UTF-16 strings and Win32 wide strings (both UTF-16
// on Windows, so the code units are copied as they are).
#pragma once

#include <string>
#include <string_view>

namespace kx90::ui {

inline std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}
inline std::u16string Utf16(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace kx90::ui
