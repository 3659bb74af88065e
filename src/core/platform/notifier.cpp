// Formatting of the one-path message texts.
#include "core/platform/notifier.h"

namespace kx90 {

std::u16string FormatWithPath(std::u16string_view format, std::u16string_view path) {
    std::u16string text(format);
    const size_t at = text.find(u"%s");
    if (at != std::u16string::npos) {
        text.replace(at, 2, path);
    }
    return text;
}

}  // namespace kx90
