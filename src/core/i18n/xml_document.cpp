// CXmlDocument: the one-pass parser that builds the element index, and navigation over it.
#include "core/i18n/xml_document.h"

#include <cstring>

#include "core/i18n/character_references.h"

namespace kx90 {
namespace {

void AppendNumber(std::u16string& out, size_t value) {
    for (char c : std::to_string(value)) {
        out.push_back(static_cast<char16_t>(c));
    }
}

void AppendAscii(std::u16string& out, std::string_view ascii) {
    for (char c : ascii) {
        out.push_back(static_cast<char16_t>(c));
    }
}

std::string_view NodeKindName(XmlNodeKind kind) {
    switch (kind) {
        case XmlNodeKind::kElement: return "Element tag";
        case XmlNodeKind::kEndTag: return "Element end tag";
        case XmlNodeKind::kCData: return "CDATA Section";
        case XmlNodeKind::kProcessingInstruction: return "Processing instruction";
        case XmlNodeKind::kComment: return "Comment";
        case XmlNodeKind::kDoctype: return "Doctype";
        default: return "tag";
    }
}

std::string_view ErrorName(XmlNodeError error) {
    switch (error) {
        case XmlNodeError::kTagNameCharacter: return "tag name character";
        case XmlNodeError::kBangTag: return "! tag";
        case XmlNodeError::kCommentTag: return "comment tag";
        default: return "tag";
    }
}

// Names are short and usually equal: compare four units at a time, inline (a call to memcmp costs
// more than the comparison for names this short).
bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    const char16_t* p = a.data();
    const char16_t* q = b.data();
    size_t n = a.size();
    for (; n >= 4; n -= 4, p += 4, q += 4) {
        uint64_t x;
        uint64_t y;
        std::memcpy(&x, p, sizeof(x));
        std::memcpy(&y, q, sizeof(y));
        if (x != y) {
            return false;
        }
    }
    for (; n > 0; --n, ++p, ++q) {
        if (*p != *q) {
            return false;
        }
    }
    return true;
}

}  // namespace

// ---- Parsing ------------------------------------------------------------------------------------

void CXmlDocument::Parse() {
    // Room for an element per 32 units: more than dense files have, so the index rarely grows (which
    // copies), and unused room is never touched.
    index_.Reset(static_cast<uint32_t>(text_.size() / 32 + 8));
    index_.Append();  // entry 0: the document
    open_.clear();
    openByName_.clear();
    byNameActive_ = false;
    errorNoted_ = false;
    bool illFormed = false;

    const std::u16string_view text(text_);
    size_t pos = 0;
    while (pos < text.size()) {
        // Text and white space between tags only advance the position: to the next "<".
        if (text[pos] != u'<') {
            pos = FindMarkupStart(text, pos);
            continue;
        }
        // Most end tags close the innermost element and hold just its name: that needs neither a
        // scan for the name's end nor a search of the open elements. The name of an open element
        // holds no terminator, so the first ">" after "</" is the one compared here.
        if (!open_.empty() && pos + 1 < text.size() && text[pos + 1] == u'/') {
            const std::u16string_view innermost = open_.back().name;
            const size_t close = pos + 2 + innermost.size();
            if (close < text.size() && text[close] == u'>' &&
                SameName(text.substr(pos + 2, innermost.size()), innermost)) {
                pos = close + 1;
                EndElement(open_.back().element, pos, innermost.size() + 3, true);
                continue;
            }
        }
        const XmlNode node = ScanXmlNode(text, pos);
        pos += node.length;
        if (node.kind == XmlNodeKind::kError || node.unterminated) {
            illFormed = true;
            NoteError(node);
            MarkIllFormed(open_.empty() ? 0 : open_.back().element, kElementIllFormed);
        } else if (node.kind == XmlNodeKind::kElement) {
            OpenElement(node);
        } else if (node.kind == XmlNodeKind::kEndTag) {
            CloseElements(node);
        }
    }
    // Elements still open at the end are closed there.
    if (!open_.empty()) {
        const uint32_t innermost = open_.back().element;
        std::u16string message = u"Element '";
        message.append(ElementName(innermost));
        message.append(u"' at offset ");
        AppendNumber(message, index_[innermost].start);
        message.append(u" not ended");
        NoteError(message);
        while (!open_.empty()) {
            EndElement(open_.back().element, text.size(), 0, false);
        }
    }

    uint32_t topLevel = 0;
    for (uint32_t e = index_[0].firstChild; e != 0; e = index_[e].nextSibling) {
        ++topLevel;
    }
    if (text.empty()) {
        NoteError(u"Empty document");
    } else if (topLevel == 0) {
        NoteError(u"No root element");
    } else if (topLevel > 1) {
        NoteError(u"Root element has sibling");
    }
    wellFormed_ = topLevel == 1 && !illFormed &&
                  (index_[0].flags & (kElementIllFormed | kElementDescendantIllFormed)) == 0;
    open_.clear();
    openByName_.clear();
}

void CXmlDocument::OpenElement(const XmlNode& node) {
    const uint32_t parent = open_.empty() ? 0 : open_.back().element;
    const uint32_t element = index_.Append();
    ElementRecord& record = index_[element];
    record.start = static_cast<uint32_t>(node.start);
    record.flags = static_cast<uint32_t>(std::min<size_t>(open_.size(), kElementLevelMask));
    record.SetTagLengths(node.length, 0);
    AppendChild(parent, element);
    if ((record.flags & kElementIllFormed) != 0) {
        MarkIllFormed(parent, kElementDescendantIllFormed);
    }
    if (node.emptyElementTag) {
        record.flags |= kElementEmptyTag;
        record.length = static_cast<uint32_t>(node.length);
        return;
    }
    const std::u16string_view name = std::u16string_view(text_).substr(node.nameStart, node.nameLength);
    if (byNameActive_) {
        openByName_[name].push_back(static_cast<uint32_t>(open_.size()));
    }
    open_.push_back({element, name});
}

// Depth in the open stack of the innermost open element with this name, or open_.size() if none.
size_t CXmlDocument::FindOpenElement(std::u16string_view name) {
    constexpr size_t kLinearDepth = 32;
    if (!byNameActive_) {
        const size_t lowest = open_.size() > kLinearDepth ? open_.size() - kLinearDepth : 0;
        for (size_t d = open_.size(); d > lowest; --d) {
            if (SameName(open_[d - 1].name, name)) {
                return d - 1;
            }
        }
        if (lowest == 0) {
            return open_.size();
        }
        byNameActive_ = true;
        for (size_t d = 0; d < open_.size(); ++d) {
            openByName_[open_[d].name].push_back(static_cast<uint32_t>(d));
        }
    }
    const auto found = openByName_.find(name);
    return (found == openByName_.end() || found->second.empty()) ? open_.size() : found->second.back();
}

void CXmlDocument::CloseElements(const XmlNode& endTag) {
    const std::u16string_view name = std::u16string_view(text_).substr(endTag.nameStart, endTag.nameLength);
    const size_t depth = FindOpenElement(name);
    if (depth == open_.size()) {
        if (!errorNoted_) {
            std::u16string message = u"No start tag for end tag '";
            message.append(name);
            message.append(u"' at offset ");
            AppendNumber(message, endTag.start);
            NoteError(message);
        }
        MarkIllFormed(open_.empty() ? 0 : open_.back().element, kElementIllFormed);
        return;
    }
    if (depth + 1 < open_.size()) {
        if (!errorNoted_) {
            std::u16string message = u"End tag '";
            message.append(name);
            message.append(u"' at offset ");
            AppendNumber(message, endTag.start);
            message.append(u" does not match start tag '");
            message.append(open_.back().name);
            message.append(u"' at offset ");
            AppendNumber(message, index_[open_.back().element].start);
            NoteError(message);
        }
        CloseAbove(depth, endTag.start);
    }
    EndElement(open_.back().element, endTag.start + endTag.length, endTag.length, true);
}

// Closes every open element above the given depth at offset at. The children they already hold
// move up to follow them, so the element that stays open (the one at depth) ends up holding, in
// order: its own children, the first closed element, that one's children, the next closed element,
// and so on. Every moved record is touched once.
void CXmlDocument::CloseAbove(size_t depth, size_t at) {
    const uint32_t keeper = open_[depth].element;
    std::vector<uint32_t> moved;
    for (size_t d = depth + 1; d < open_.size(); ++d) {
        const uint32_t closing = open_[d].element;
        if (d > depth + 1) {
            moved.push_back(closing);
        }
        const uint32_t stillOpen = d + 1 < open_.size() ? open_[d + 1].element : 0;
        for (uint32_t c = index_[closing].firstChild; c != 0 && c != stillOpen; c = index_[c].nextSibling) {
            moved.push_back(c);
        }
        index_[closing].firstChild = 0;
    }
    uint32_t last = open_[depth + 1].element;
    for (uint32_t m : moved) {
        ElementRecord& record = index_[m];
        record.parent = keeper;
        record.flags &= ~kElementFirstChild;
        record.previousSibling = last;
        record.nextSibling = 0;
        index_[last].nextSibling = m;
        last = m;
    }
    index_[index_[keeper].firstChild].previousSibling = last;
    while (open_.size() > depth + 1) {
        EndElement(open_.back().element, at, 0, false);
    }
}

void CXmlDocument::EndElement(uint32_t element, size_t end, size_t endTagLength, bool ended) {
    ElementRecord& record = index_[element];
    record.length = static_cast<uint32_t>(end - record.start);
    record.SetTagLengths(record.StartTagLength(), endTagLength);
    if (!ended) {
        record.flags |= kElementNotEnded | kElementIllFormed;
    }
    if ((record.flags & kElementIllFormed) != 0) {
        MarkIllFormed(record.parent, kElementDescendantIllFormed);
    }
    if (byNameActive_) {
        openByName_[open_.back().name].pop_back();
    }
    open_.pop_back();
}

// Flags the element and gives every ancestor the descendant flag. The walk stops at the first
// ancestor that has it already (its own ancestors have it too), so flagging stays linear overall.
void CXmlDocument::MarkIllFormed(uint32_t element, uint32_t flag) {
    index_[element].flags |= flag;
    for (uint32_t e = element; e != 0;) {
        e = index_[e].parent;
        if ((index_[e].flags & kElementDescendantIllFormed) != 0) {
            break;
        }
        index_[e].flags |= kElementDescendantIllFormed;
    }
}

void CXmlDocument::AppendChild(uint32_t parent, uint32_t child) {
    ElementRecord& parentRecord = index_[parent];
    index_[child].parent = parent;
    if (parentRecord.firstChild == 0) {
        parentRecord.firstChild = child;
        index_[child].previousSibling = child;
        index_[child].flags |= kElementFirstChild;
        return;
    }
    ElementRecord& first = index_[parentRecord.firstChild];
    const uint32_t last = first.previousSibling;
    index_[last].nextSibling = child;
    index_[child].previousSibling = last;
    first.previousSibling = child;
}

void CXmlDocument::NoteError(const XmlNode& node) {
    if (errorNoted_) {
        return;
    }
    std::u16string message;
    if (node.kind == XmlNodeKind::kError) {
        AppendAscii(message, "Incorrect ");
        AppendAscii(message, ErrorName(node.error));
        AppendAscii(message, " at offset ");
        AppendNumber(message, node.start);
    } else {
        AppendAscii(message, NodeKindName(node.kind));
        AppendAscii(message, " at offset ");
        AppendNumber(message, node.start);
        AppendAscii(message, " unterminated");
    }
    NoteError(message);
}

// Only the first problem reaches the result text (callers skip composing later ones).
void CXmlDocument::NoteError(std::u16string_view text) {
    if (errorNoted_) {
        return;
    }
    errorNoted_ = true;
    result_.push_back(u' ');
    result_.append(text);
}

// ---- Navigation ---------------------------------------------------------------------------------

std::u16string_view CXmlDocument::ElementName(uint32_t element) const {
    const std::u16string_view text(text_);
    const size_t begin = index_[element].start + 1;
    if (element == 0 || begin > text.size()) {
        return {};
    }
    size_t end = begin;
    while (end < text.size() && !IsNameTerminator(text[end])) {
        ++end;
    }
    return text.substr(begin, end - begin);
}

bool CXmlDocument::NameMatches(uint32_t element, std::u16string_view name) const {
    if (name.empty()) {
        return true;
    }
    // Compare in place: the name must be followed by a character that ends element names.
    const std::u16string_view text(text_);
    const size_t begin = index_[element].start + 1;
    return text.substr(begin, name.size()) == name &&
           (begin + name.size() >= text.size() || IsNameTerminator(text[begin + name.size()]));
}

uint32_t CXmlDocument::NextElement(uint32_t parent, uint32_t after, std::u16string_view name) const {
    if (parent >= index_.Size()) {
        return 0;
    }
    uint32_t e = after != 0 ? index_[after].nextSibling : index_[parent].firstChild;
    while (e != 0 && !NameMatches(e, name)) {
        e = index_[e].nextSibling;
    }
    return e;
}

void CXmlDocument::SetCurrent(uint32_t element) {
    current_ = element;
    currentKind_ = element != 0 ? XmlNodeKind::kElement : XmlNodeKind::kNone;
    currentOffset_ = element != 0 ? index_[element].start : 0;
    currentLength_ = element != 0 ? index_[element].length : 0;
}

void CXmlDocument::Rewind() {
    parent_ = 0;
    child_ = 0;
    SetCurrent(0);
}

bool CXmlDocument::FindElement(std::u16string_view name) {
    const uint32_t found = NextElement(parent_, current_, name);
    if (found == 0) {
        return false;
    }
    SetCurrent(found);
    child_ = 0;
    return true;
}

bool CXmlDocument::FindChildElement(std::u16string_view name) {
    if (current_ == 0 && !FindElement()) {
        return false;
    }
    const uint32_t found = NextElement(current_, child_, name);
    if (found == 0) {
        return false;
    }
    child_ = found;
    return true;
}

bool CXmlDocument::EnterElement() {
    if (current_ == 0) {
        return false;
    }
    parent_ = current_;
    SetCurrent(child_);
    child_ = 0;
    return true;
}

std::u16string CXmlDocument::GetChildText() const {
    std::u16string result;
    if (child_ == 0) {
        return result;
    }
    const ElementRecord& record = index_[child_];
    const uint32_t startTag = record.StartTagLength();
    const uint32_t endTag = record.EndTagLength();
    if ((record.flags & kElementEmptyTag) != 0 || record.firstChild != 0 || startTag == kMaxStartTagLength ||
        endTag == kMaxEndTagLength || startTag + endTag > record.length) {
        return result;
    }
    const std::u16string_view content =
        std::u16string_view(text_).substr(record.start + startTag, record.length - startTag - endTag);
    if (content.find(u'<') == std::u16string_view::npos) {
        AppendDecodedText(content, result);
        return result;
    }
    // Markup inside: keep text and CDATA, drop comments, processing instructions and blank runs.
    for (size_t pos = 0; pos < content.size();) {
        const XmlNode node = ScanXmlNode(content, pos);
        pos += node.length;
        if (node.kind == XmlNodeKind::kText) {
            AppendDecodedText(content.substr(node.start, node.length), result);
        } else if (node.kind == XmlNodeKind::kCData) {
            const size_t closing = node.unterminated ? 0 : 3;
            result.append(content.substr(node.start + 9, node.length - 9 - closing));
        }
    }
    return result;
}

std::u16string GetSectionText(CXmlDocument& document, std::u16string_view section, std::u16string_view key) {
    document.Rewind();
    while (document.FindChildElement(section)) {
        document.EnterElement();
        if (document.FindChildElement(key)) {
            return document.GetChildText();
        }
    }
    return {};
}

}  // namespace kx90
