// The file dialog's forms of a path request's texts.
#include "core/platform/path_chooser.h"

#include <algorithm>

namespace kx90 {

std::u16string OpenFileDialogFilter(std::u16string_view filter) {
    std::u16string out(filter);
    std::replace(out.begin(), out.end(), u'|', u'\0');
    return out;
}

std::u16string_view OpenFileDialogDefaultExtension(std::u16string_view extension) {
    if (!extension.empty() && extension.front() == u'.') {
        extension.remove_prefix(1);
    }
    return extension;
}

}  // namespace kx90
