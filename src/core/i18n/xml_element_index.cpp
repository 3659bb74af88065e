// Paged storage of the XML reader's element records.
#include "core/i18n/xml_element_index.h"

#include <algorithm>

namespace kx90 {

void ElementIndex::Reset(uint32_t capacity) {
    pages_.clear();
    lastPageRecords_ = 0;
    size_ = 0;
    capacity_ = 0;
    Grow(std::max<uint32_t>(capacity, 1));
}

ElementIndex::Page ElementIndex::NewPage(uint32_t records) {
    return Page(static_cast<ElementRecord*>(::operator new (size_t{records} * sizeof(ElementRecord))));
}

void ElementIndex::Grow(uint32_t capacity) {
    // Widen the last page first (copying only its records), then add pages.
    if (!pages_.empty() && lastPageRecords_ < kPageRecords) {
        const uint32_t fullPagesRecords = capacity_ - lastPageRecords_;
        const uint32_t wanted = std::min(kPageRecords, capacity - std::min(capacity, fullPagesRecords));
        if (wanted > lastPageRecords_) {
            Page page = NewPage(wanted);
            std::copy_n(pages_.back().get(), size_ - fullPagesRecords, page.get());
            pages_.back() = std::move(page);
            capacity_ += wanted - lastPageRecords_;
            lastPageRecords_ = wanted;
        }
    }
    while (capacity_ < capacity) {
        const uint32_t records = std::min(kPageRecords, capacity - capacity_);
        pages_.push_back(NewPage(records));
        capacity_ += records;
        lastPageRecords_ = records;
    }
}

}  // namespace kx90
