// The program's own update offer.
#include "core/pages/program_update.h"

#include <cstdint>

#include "core/i18n/xml_document.h"
#include "core/platform/downloader.h"

namespace kx90::pages {
namespace {

// The next dotted part from position i as a number (digits only, capped), moving i past its dot.
uint64_t NextPart(std::u16string_view text, size_t& i) {
    uint64_t value = 0;
    while (i < text.size() && text[i] != u'.') {
        if (text[i] >= u'0' && text[i] <= u'9' && value < 1'000'000'000) {
            value = value * 10 + static_cast<uint64_t>(text[i] - u'0');
        }
        ++i;
    }
    if (i < text.size()) {
        ++i;  // the dot
    }
    return value;
}

}  // namespace

int CompareVersions(std::u16string_view a, std::u16string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        const uint64_t x = NextPart(a, i), y = NextPart(b, j);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return 0;
}

std::optional<ProgramOffer> NewerProgramOffer(std::string_view description, std::u16string_view own) {
    CXmlDocument document;
    if (!document.LoadBytes(description)) {
        return std::nullopt;
    }
    ProgramOffer offer;
    offer.version = GetSectionText(document, u"driver", u"version");
    offer.page = GetSectionText(document, u"driver", u"page");
    if (offer.version.empty() || CompareVersions(offer.version, own) <= 0 || !IsWebAddress(offer.page)) {
        return std::nullopt;
    }
    return offer;
}

std::u16string ProgramOfferText(const ProgramOffer& offer) {
    return u"A newer version of the KX90 driver (" + offer.version +
           u") is available.\n\nOpen the download page now?";
}

}  // namespace kx90::pages
