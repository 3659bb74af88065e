// The node scanner of the XML reader: each call reads one node in a single forward scan.
#include "core/i18n/xml_node_scanner.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/i18n/text_encoding.h"

namespace kx90 {
namespace {

constexpr size_t kNotFound = std::u16string_view::npos;

// Offset of the first of up to three units at or after from, or the text's size. The reader spends
// most of its time here (text runs and tag bodies), so SSE2 compares eight units at a time.
size_t FindAnyOf(std::u16string_view text, size_t from, char16_t a, char16_t b, char16_t c) {
    size_t i = from;
#ifdef __SSE2__
    const __m128i va = _mm_set1_epi16(static_cast<short>(a));
    const __m128i vb = _mm_set1_epi16(static_cast<short>(b));
    const __m128i vc = _mm_set1_epi16(static_cast<short>(c));
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, va), _mm_cmpeq_epi16(units, vb)),
                                          _mm_cmpeq_epi16(units, vc));
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0) {
            return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
        }
    }
#endif
    for (; i < text.size(); ++i) {
        if (text[i] == a || text[i] == b || text[i] == c) {
            return i;
        }
    }
    return text.size();
}

bool OpensElement(char16_t c) {
    return (c >= u'A' && c <= u'Z') || c == u':' || c == u'_' || c >= 0x61;
}

bool IsAsciiLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// A node that runs from start to just past the terminator found at or after from, or to the end
// of the text when the terminator is missing.
XmlNode RunTo(std::u16string_view text, XmlNodeKind kind, size_t start, size_t from, std::u16string_view terminator) {
    XmlNode node;
    node.kind = kind;
    node.start = start;
    const size_t at = from <= text.size() ? text.find(terminator, from) : kNotFound;
    if (at == kNotFound) {
        node.unterminated = true;
        node.length = text.size() - start;
    } else {
        node.length = at + terminator.size() - start;
    }
    return node;
}

XmlNode ErrorNode(std::u16string_view text, size_t start, size_t from, XmlNodeError error) {
    XmlNode node = RunTo(text, XmlNodeKind::kError, start, from, u">");
    node.error = error;
    return node;
}

size_t NameEnd(std::u16string_view text, size_t from) {
    size_t i = from;
    while (i < text.size() && !IsNameTerminator(text[i])) {
        ++i;
    }
    return i;
}

// Skips a quoted string starting at the quote at i; returns the offset after its closing quote, or
// the end of the text.
size_t SkipQuoted(std::u16string_view text, size_t i) {
    const size_t close = FindAnyOf(text, i + 1, text[i], text[i], text[i]);
    return close == text.size() ? close : close + 1;
}

XmlNode ScanStartTag(std::u16string_view text, size_t pos) {
    XmlNode node;
    node.kind = XmlNodeKind::kElement;
    node.start = pos;
    node.nameStart = pos + 1;
    node.nameLength = NameEnd(text, pos + 1) - node.nameStart;
    size_t i = node.nameStart + node.nameLength;
    while ((i = FindAnyOf(text, i, u'>', u'"', u'\'')) < text.size() && text[i] != u'>') {
        i = SkipQuoted(text, i);
    }
    if (i >= text.size()) {
        node.unterminated = true;
        node.length = text.size() - pos;
    } else {
        node.length = i + 1 - pos;
        node.emptyElementTag = text[i - 1] == u'/' && i - 1 > node.nameStart;
    }
    return node;
}

XmlNode ScanEndTag(std::u16string_view text, size_t pos) {
    XmlNode node = RunTo(text, XmlNodeKind::kEndTag, pos, pos + 2, u">");
    node.nameStart = pos + 2;
    node.nameLength = NameEnd(text.substr(0, pos + node.length), pos + 2) - node.nameStart;
    return node;
}

// The bracketed internal subset of a document type declaration, from just after "[". Returns the
// offset after the closing "]", the end of the text when it is missing, or kNotFound when it holds a
// markup declaration that is not ELEMENT, ATTLIST, ENTITY or NOTATION (*errorAt then says where).
size_t SkipInternalSubset(std::u16string_view text, size_t i, size_t* errorAt) {
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u']') {
            return i + 1;
        }
        if (c == u'"' || c == u'\'') {
            i = SkipQuoted(text, i);
        } else if (text.substr(i, 4) == u"<!--") {
            const size_t end = text.find(u"-->", i + 4);
            i = end == kNotFound ? text.size() : end + 3;
        } else if (text.substr(i, 2) == u"<?") {
            const size_t end = text.find(u"?>", i + 2);
            i = end == kNotFound ? text.size() : end + 2;
        } else if (text.substr(i, 2) == u"<!") {
            if (i + 2 >= text.size() || (text[i + 2] != u'E' && text[i + 2] != u'A' && text[i + 2] != u'N')) {
                *errorAt = i;
                return kNotFound;
            }
            i += 2;
            while (i < text.size() && text[i] != u'>') {
                i = (text[i] == u'"' || text[i] == u'\'') ? SkipQuoted(text, i) : i + 1;
            }
            i = i < text.size() ? i + 1 : i;
        } else {
            ++i;
        }
    }
    return i;
}

XmlNode ScanDeclaration(std::u16string_view text, size_t pos) {
    size_t i = pos + 2;
    while (i < text.size() && text[i] != u'>') {
        if (text[i] == u'"' || text[i] == u'\'') {
            i = SkipQuoted(text, i);
        } else if (text[i] == u'[') {
            size_t errorAt = 0;
            i = SkipInternalSubset(text, i + 1, &errorAt);
            if (i == kNotFound) {
                return ErrorNode(text, pos, errorAt, XmlNodeError::kBangTag);
            }
        } else {
            ++i;
        }
    }
    XmlNode node;
    node.kind = XmlNodeKind::kDoctype;
    node.start = pos;
    node.unterminated = i >= text.size();
    node.length = (node.unterminated ? text.size() : i + 1) - pos;
    return node;
}

XmlNode ScanBang(std::u16string_view text, size_t pos) {
    const std::u16string_view rest = text.substr(pos);
    if (rest.substr(0, 4) == u"<!--") {
        return RunTo(text, XmlNodeKind::kComment, pos, pos + 4, u"-->");
    }
    if (rest.substr(0, 3) == u"<!-") {
        return ErrorNode(text, pos, pos + 3, XmlNodeError::kCommentTag);
    }
    if (rest.substr(0, 9) == u"<![CDATA[") {
        return RunTo(text, XmlNodeKind::kCData, pos, pos + 9, u"]]>");
    }
    if (rest.size() > 2 && IsAsciiLetter(rest[2])) {
        return ScanDeclaration(text, pos);
    }
    return ErrorNode(text, pos, pos + 2, XmlNodeError::kBangTag);
}

}  // namespace

namespace {
constexpr std::array<bool, 128> kNameTerminators = [] {
    std::array<bool, 128> table{};
    for (char c : std::string_view(" \t\n\r<>=\\/?!\"';")) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}();
}  // namespace

bool IsNameTerminator(char16_t c) { return c < 128 && kNameTerminators[c]; }

XmlNode ScanXmlNode(std::u16string_view text, size_t pos) {
    if (text[pos] != u'<') {
        XmlNode node;
        node.start = pos;
        node.kind = XmlNodeKind::kWhitespace;
        size_t i = pos;
        for (; i < text.size() && IsXmlSpace(text[i]); ++i) {
        }
        if (i < text.size() && text[i] != u'<') {
            node.kind = XmlNodeKind::kText;
            i = FindAnyOf(text, i, u'<', u'<', u'<');
        }
        node.length = i - pos;
        return node;
    }
    if (pos + 1 >= text.size()) {
        XmlNode node;
        node.kind = XmlNodeKind::kError;
        node.error = XmlNodeError::kTag;
        node.start = pos;
        node.length = 1;
        return node;
    }
    const char16_t next = text[pos + 1];
    if (next == u'/') {
        return ScanEndTag(text, pos);
    }
    if (next == u'?') {
        return RunTo(text, XmlNodeKind::kProcessingInstruction, pos, pos + 2, u"?>");
    }
    if (next == u'!') {
        return ScanBang(text, pos);
    }
    if (OpensElement(next)) {
        return ScanStartTag(text, pos);
    }
    return ErrorNode(text, pos, pos + 1, XmlNodeError::kTagNameCharacter);
}

size_t FindMarkupStart(std::u16string_view text, size_t from) {
    return FindAnyOf(text, from, u'<', u'<', u'<');
}

std::optional<std::u16string_view> FindXmlAttribute(std::u16string_view tag, std::string_view name) {
    // Skip "<", "<?" and the tag's own name.
    size_t i = 1;
    while (i < tag.size() && (tag[i] == u'?' || tag[i] == u'!')) {
        ++i;
    }
    i = NameEnd(tag, i);
    while (i < tag.size()) {
        while (i < tag.size() && IsXmlSpace(tag[i])) {
            ++i;
        }
        const size_t nameStart = i;
        while (i < tag.size() && !IsXmlSpace(tag[i]) && tag[i] != u'=' && tag[i] != u'>' && tag[i] != u'/' &&
               tag[i] != u'?') {
            ++i;
        }
        const std::u16string_view attribute = tag.substr(nameStart, i - nameStart);
        if (attribute.empty()) {
            ++i;  // a stray "/", "?" or "=": step over it
            continue;
        }
        while (i < tag.size() && IsXmlSpace(tag[i])) {
            ++i;
        }
        std::u16string_view value;
        if (i < tag.size() && tag[i] == u'=') {
            ++i;
            while (i < tag.size() && IsXmlSpace(tag[i])) {
                ++i;
            }
            size_t valueStart = i;
            if (i < tag.size() && (tag[i] == u'"' || tag[i] == u'\'')) {
                const size_t close = tag.find(tag[i], i + 1);
                valueStart = i + 1;
                i = close == kNotFound ? tag.size() : close;
                value = tag.substr(valueStart, i - valueStart);
                i = i < tag.size() ? i + 1 : i;
            } else {
                while (i < tag.size() && !IsXmlSpace(tag[i]) && tag[i] != u'>') {
                    ++i;
                }
                value = tag.substr(valueStart, i - valueStart);
            }
        }
        if (EqualsAsciiNoCase(attribute, name)) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace kx90
