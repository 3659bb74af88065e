// Reading and filling the path of an AssignmentChoice.
#include "core/pages/assignment_choice.h"

#include <algorithm>

namespace kx90::pages {

std::u16string_view ChoicePath(const AssignmentChoice& choice) {
    const char16_t* end = std::find(std::begin(choice.path), std::end(choice.path), u'\0');
    return {choice.path, static_cast<size_t>(end - choice.path)};
}

bool SetChoicePath(AssignmentChoice& choice, std::u16string_view path) {
    if (path.size() > static_cast<size_t>(kMaxChoicePathChars)) {
        return false;
    }
    std::copy(path.begin(), path.end(), choice.path);
    std::fill(choice.path + path.size(), std::end(choice.path), u'\0');
    return true;
}

}  // namespace kx90::pages
