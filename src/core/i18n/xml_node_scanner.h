// Splits XML text into nodes (text, tags, comments, …) for the reader, one node per call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kx90 {

enum class XmlNodeKind : uint8_t {
    kNone,
    kElement,  // a start tag or an empty-element tag
    kEndTag,
    kText,
    kWhitespace,  // text of only space, tab, line feed and carriage return
    kCData,
    kProcessingInstruction,
    kComment,
    kDoctype,
    kError,  // markup that could not be read; runs to the next ">"
};

// Why a node of kind kError is one.
enum class XmlNodeError : uint8_t {
    kNone,
    kTagNameCharacter,  // "<" followed by a character that opens no kind of tag
    kBangTag,           // "<!" followed by something other than "--", "[CDATA[" or a declaration
    kCommentTag,        // "<!-" not followed by a second hyphen
    kTag,               // "<" as the very last character
};

struct XmlNode {
    XmlNodeKind kind = XmlNodeKind::kNone;
    XmlNodeError error = XmlNodeError::kNone;
    bool emptyElementTag = false;  // "/>"
    bool unterminated = false;     // the text ended before the node's closing characters
    size_t start = 0;              // offset of the first character ("<" for markup)
    size_t length = 0;             // characters up to and including the closing characters
    size_t nameStart = 0;          // element and end tags: the name
    size_t nameLength = 0;
};

// True for the characters that end an element name.
bool IsNameTerminator(char16_t c);

// True for space, tab, line feed and carriage return.
inline bool IsXmlSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The node starting at pos (pos < text.size()). Never reads past the text; the node always has a
// length of at least one, so a caller that advances by it always makes progress.
XmlNode ScanXmlNode(std::u16string_view text, size_t pos);

// Offset of the first "<" at or after from, or the text's size: where the text or white space node
// at from ends.
size_t FindMarkupStart(std::u16string_view text, size_t from);

// The value of the named attribute (ASCII case ignored) inside the text of one tag, without quotes.
std::optional<std::u16string_view> FindXmlAttribute(std::u16string_view tag, std::string_view name);

}  // namespace kx90
