// CXmlDocument: the program's small, lenient XML reader (read, decode, index, walk, read text).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/i18n/code_pages.h"
#include "core/i18n/xml_element_index.h"
#include "core/i18n/xml_node_scanner.h"

namespace kx90 {

// Document flags set by the file reader.
inline constexpr uint32_t kXmlUtf16LeFile = 1u << 0;
inline constexpr uint32_t kXmlUtf16BeFile = 1u << 1;
inline constexpr uint32_t kXmlUtf8Mark = 1u << 2;
inline constexpr uint32_t kXmlIgnoreCase = 1u << 3;  // never set by this program

// Files larger than this are not read: the program's XML files are a few kilobytes, and offsets in
// the element index are 32-bit.
inline constexpr uint64_t kMaxXmlFileBytes = 64u << 20;

class CXmlDocument {
public:
    explicit CXmlDocument(const CodePages& codePages = SystemCodePages()) : codePages_(&codePages) {}

    // Reads and decodes the file, indexes its elements and clears the position. True when the
    // document is well formed. A file that cannot be read leaves an empty document.
    bool LoadFile(const std::filesystem::path& path);

    // The same as LoadFile for the bytes of a file already in memory.
    bool LoadBytes(std::string_view bytes);

    // Navigation: a position of parent, current element and current child (0 = none).
    void Rewind();
    bool FindElement(std::u16string_view name = {});
    bool FindChildElement(std::u16string_view name = {});
    bool EnterElement();
    std::u16string GetChildText() const;

    const std::u16string& Text() const { return text_; }
    const std::u16string& Encoding() const { return encoding_; }
    uint32_t DocumentFlags() const { return documentFlags_; }
    // What the last load did and the first problem it met, for diagnostics.
    const std::u16string& ResultText() const { return result_; }
    bool IsWellFormed() const { return wellFormed_; }

    // The index: entry 0 is the document, its first child the root element.
    uint32_t ElementCount() const { return index_.Size(); }
    const ElementRecord& Element(uint32_t index) const { return index_[index]; }
    std::u16string_view ElementName(uint32_t index) const;

    uint32_t ParentPosition() const { return parent_; }
    uint32_t CurrentPosition() const { return current_; }
    uint32_t ChildPosition() const { return child_; }
    XmlNodeKind CurrentNodeKind() const { return currentKind_; }
    uint32_t CurrentNodeOffset() const { return currentOffset_; }
    uint32_t CurrentNodeLength() const { return currentLength_; }

private:
    // Reading (xml_document_load.cpp).
    void DecodeBytes(std::string_view bytes);
    void ConvertEightBit(std::string_view body, uint32_t codePage);

    // Parsing (xml_document.cpp).
    void Parse();
    void OpenElement(const XmlNode& node);
    void CloseElements(const XmlNode& endTag);
    size_t FindOpenElement(std::u16string_view name);
    void CloseAbove(size_t depth, size_t at);
    void EndElement(uint32_t element, size_t end, size_t endTagLength, bool ended);
    void MarkIllFormed(uint32_t element, uint32_t flag);
    void NoteError(const XmlNode& node);
    void NoteError(std::u16string_view text);
    void AppendChild(uint32_t parent, uint32_t child);
    bool NameMatches(uint32_t element, std::u16string_view name) const;
    uint32_t NextElement(uint32_t parent, uint32_t after, std::u16string_view name) const;
    void SetCurrent(uint32_t element);

    const CodePages* codePages_;
    std::u16string text_;
    std::u16string encoding_;
    std::u16string result_;
    uint32_t documentFlags_ = 0;
    bool wellFormed_ = false;
    bool errorNoted_ = false;
    ElementIndex index_;

    // Parse state: the open elements, innermost last. An end tag is matched against the innermost
    // one first, then against the next few; only ill-formed text that needs a deeper search turns on
    // the per-name index of depths, which keeps every later match constant-time too.
    struct OpenTag {
        uint32_t element;
        std::u16string_view name;
    };
    std::vector<OpenTag> open_;
    bool byNameActive_ = false;
    std::unordered_map<std::u16string_view, std::vector<uint32_t>> openByName_;

    uint32_t parent_ = 0;
    uint32_t current_ = 0;
    uint32_t child_ = 0;
    XmlNodeKind currentKind_ = XmlNodeKind::kNone;
    uint32_t currentOffset_ = 0;
    uint32_t currentLength_ = 0;
};

// The text of key inside the first section element under the root, searching deeper section
// elements nested in it when that one has no such key; empty when there is none. Moves the
// document's position.
std::u16string GetSectionText(CXmlDocument& document, std::u16string_view section, std::u16string_view key);

}  // namespace kx90
