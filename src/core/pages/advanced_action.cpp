// The advanced-action page's rows: choosing, picked paths and the page's result.
#include "core/pages/advanced_action.h"

#include <algorithm>

#include "core/pages/assignment_refusal.h"

namespace kx90::pages {
namespace {

bool IsRow(int row) {
    return row >= 0 && row < kAdvancedActionRowCount;
}

}  // namespace

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

void AdvancedActionState::Choose(int row) {
    if (IsRow(row)) {
        chosenRow_ = row;
    }
}

const PathPicker* AdvancedActionState::Browse(int row) {
    if (!IsRow(row)) {
        return nullptr;
    }
    Choose(row);
    return &kAdvancedActionPickers[static_cast<size_t>(row)];
}

bool AdvancedActionState::TakePickedPath(int row, std::u16string_view path, Notifier& notifier,
                                         PairLanguage language) {
    if (!IsRow(row)) {
        return false;
    }
    if (path.size() > static_cast<size_t>(kMaxChoicePathChars)) {
        notifier.ShowInfo(std::u16string(RefusalText(AssignmentRefusal::kPathTooLong, language)), false);
        return false;
    }
    paths_[static_cast<size_t>(row)] = std::u16string(path);
    return true;
}

std::u16string_view AdvancedActionState::Path(int row) const {
    return IsRow(row) ? std::u16string_view(paths_[static_cast<size_t>(row)]) : std::u16string_view{};
}

AssignmentChoice AdvancedActionState::Result(int button) const {
    AssignmentChoice choice;
    choice.buttonIndex = button;
    for (int r = 0; r < kAdvancedActionRowCount; ++r) {
        const std::u16string& path = paths_[static_cast<size_t>(r)];
        if (r == chosenRow_ && !path.empty() && SetChoicePath(choice, path)) {
            choice.kind = kKindAdvancedAction;
            choice.value = static_cast<int32_t>(AdvancedActionCode(r, button));
            choice.actionIndex = r;
            break;
        }
    }
    return choice;
}

}  // namespace kx90::pages
