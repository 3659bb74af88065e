// CodePages: converts text of a Windows code page to UTF-16 (iconv natively, the system on Windows).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kx90 {

inline constexpr uint32_t kCodePageUtf7 = 65000;
inline constexpr uint32_t kCodePageUtf8 = 65001;

class CodePages {
public:
    virtual ~CodePages() = default;

    // Appends the UTF-16 text of bytes in the given Windows code page to out. Bytes that do not form
    // a character of the code page become "?". False (and nothing appended) when the code page is not
    // available here.
    virtual bool ToUtf16(uint32_t codePage, std::string_view bytes, std::u16string& out) const = 0;

    // The code page that stands for "the system's 8-bit code page".
    virtual uint32_t SystemCodePage() const = 0;
};

// The build's implementation: MultiByteToWideChar and the ANSI code page on Windows, iconv with
// windows-1252 as the 8-bit code page natively.
const CodePages& SystemCodePages();

}  // namespace kx90
