// Byte-level text helpers of the XML reader: the UTF-8 test and decoder, UTF-32, the charset table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kx90 {

// True when the bytes up to the end or the first zero byte read as UTF-8 under the lenient rule of
// the reader: a lead byte announces 1, 2 or 3 continuation bytes by its bits 5, 4 and 3, and every
// continuation byte has its top bit set. Over-long forms are not checked.
bool LooksLikeUtf8(std::string_view bytes);

// Appends the UTF-16 form of UTF-8 bytes. A malformed or cut-off sequence becomes one "?" and
// decoding goes on at the first byte that does not continue it; code points above U+FFFF become surrogate pairs, and values
// that no UTF-16 text can hold (above U+10FFFF, or surrogates themselves) become "?".
void AppendUtf8AsUtf16(std::string_view bytes, std::u16string& out);

// Appends a code point as UTF-16 (a surrogate pair above U+FFFF). Returns false, appending nothing,
// for 0, surrogates and values above U+10FFFF.
bool AppendCodePoint(uint32_t codePoint, std::u16string& out);

// Appends UTF-32 text (little-endian unless bigEndian); zero units are dropped, invalid units become
// "?", a cut-off last unit is ignored.
void AppendUtf32AsUtf16(std::string_view bytes, bool bigEndian, std::u16string& out);

// Windows code page of a charset name from the reader's table (ASCII case folded), 0 when unknown.
uint32_t CodePageOfCharset(std::u16string_view name);

// How many names the charset table holds (kept for the test that guards the table).
size_t CharsetTableSize();

// ASCII-only case-insensitive comparison of a UTF-16 text with an ASCII text.
bool EqualsAsciiNoCase(std::u16string_view text, std::string_view ascii);
bool StartsWithAsciiNoCase(std::u16string_view text, std::string_view asciiPrefix);

}  // namespace kx90
