// Decoding of character references ("&#65;", "&#x41;", "&amp;", …) in the XML reader's text content.
#pragma once

#include <string>
#include <string_view>

namespace kx90 {

// Appends text with every recognised character reference replaced by its character. A reference is
// "&", a name of at most nine characters below U+0080, and ";". The name is "#" and decimal digits,
// "#x" and hexadecimal digits, or one of the HTML 4.01 entity names or "apos". A reference that is not
// recognised, or whose value is zero or no Unicode character, stays as written.
void AppendDecodedText(std::u16string_view text, std::u16string& out);

// How many entity names the table holds (kept for the test that guards the table).
size_t EntityTableSize();

}  // namespace kx90
