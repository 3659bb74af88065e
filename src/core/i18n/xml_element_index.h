// The XML reader's element index: 32-byte ElementRecords held in pages of 65,536.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace kx90 {

// Bits of ElementRecord::flags above the nesting level (bits 0-15).
inline constexpr uint32_t kElementLevelMask = 0xFFFF;
inline constexpr uint32_t kElementEmptyTag = 1u << 16;             // "<name/>"
inline constexpr uint32_t kElementFirstChild = 1u << 19;           // first child of its parent
inline constexpr uint32_t kElementNotEnded = 1u << 20;             // no end tag of its own
inline constexpr uint32_t kElementDescendantIllFormed = 1u << 21;  // some element below is ill-formed
inline constexpr uint32_t kElementIllFormed = 1u << 23;

// Limits of the packed tag lengths. A tag too long for its field is stored as the limit and its
// element is flagged ill-formed; its text content then reads as empty.
inline constexpr uint32_t kMaxStartTagLength = (1u << 22) - 1;
inline constexpr uint32_t kMaxEndTagLength = (1u << 10) - 1;

struct ElementRecord {
    uint32_t start = 0;       // offset of the "<" of the start tag
    uint32_t length = 0;      // from that "<" to the end of the end tag (or of the empty-element tag)
    uint32_t tagLengths = 0;  // start-tag length in bits 0-21, end-tag length in bits 22-31
    uint32_t flags = 0;       // nesting level where the start tag was read (bits 0-15), kElement* bits
    uint32_t parent = 0;      // 0 for the root (entry 0 is the document)
    uint32_t firstChild = 0;
    uint32_t nextSibling = 0;
    uint32_t previousSibling = 0;  // the first child holds the last child here

    uint32_t StartTagLength() const { return tagLengths & kMaxStartTagLength; }
    uint32_t EndTagLength() const { return tagLengths >> 22; }
    void SetTagLengths(size_t startTag, size_t endTag) {
        const auto startField = static_cast<uint32_t>(std::min<size_t>(startTag, kMaxStartTagLength));
        const auto endField = static_cast<uint32_t>(std::min<size_t>(endTag, kMaxEndTagLength));
        tagLengths = startField | (endField << 22);
        if (startField == kMaxStartTagLength || endField == kMaxEndTagLength) {
            flags |= kElementIllFormed;
        }
    }
};
static_assert(sizeof(ElementRecord) == 32, "eight 32-bit fields");

class ElementIndex {
public:
    static constexpr uint32_t kPageRecords = 65536;

    // Drops every record and makes room for capacity records.
    void Reset(uint32_t capacity);

    // Appends a zeroed record and returns its index. When the room is used up it grows to one and a
    // half times the records in use; only the last, partly allocated page is ever copied.
    // Defined here: the parser appends once per element.
    uint32_t Append() {
        if (size_ == capacity_) {
            Grow(std::max(capacity_ + 1, size_ + size_ / 2));
        }
        (*this)[size_] = ElementRecord{};
        return size_++;
    }

    ElementRecord& operator[](uint32_t index) { return pages_[index / kPageRecords][index % kPageRecords]; }
    const ElementRecord& operator[](uint32_t index) const {
        return pages_[index / kPageRecords][index % kPageRecords];
    }
    uint32_t Size() const { return size_; }
    uint32_t Capacity() const { return capacity_; }

private:
    void Grow(uint32_t capacity);

    // Pages are allocated without zeroing them: Append zeroes each record as it hands it out, so
    // room reserved for a large document costs nothing until it is used.
    struct PageDelete {
        void operator()(ElementRecord* page) const { ::operator delete(page); }
    };
    using Page = std::unique_ptr<ElementRecord[], PageDelete>;
    static Page NewPage(uint32_t records);

    std::vector<Page> pages_;
    uint32_t lastPageRecords_ = 0;  // records allocated in the last page
    uint32_t size_ = 0;
    uint32_t capacity_ = 0;
};

}  // namespace kx90
