// The web-address check shared by every downloader.
#include "core/platform/downloader.h"

namespace kx90 {

bool IsWebAddress(std::u16string_view url) {
    auto startsWith = [&](std::u16string_view scheme) {
        if (url.size() <= scheme.size()) {
            return false;
        }
        for (size_t i = 0; i < scheme.size(); ++i) {
            char16_t c = url[i];
            if (c >= u'A' && c <= u'Z') {
                c = static_cast<char16_t>(c - u'A' + u'a');
            }
            if (c != scheme[i]) {
                return false;
            }
        }
        const char16_t first = url[scheme.size()];
        return first != u'/' && first != u'?' && first != u'#' && first != u' ';
    };
    return startsWith(u"http://") || startsWith(u"https://");
}

}  // namespace kx90
