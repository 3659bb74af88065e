// The advanced-action page of the assignment popup: the four action rows (sound, program, file,
// folder), their codes, their path pickers and the page's result.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/i18n/pair_language.h"
#include "core/pages/assignment_choice.h"
#include "core/platform/notifier.h"

namespace kx90::pages {

inline constexpr int kAdvancedActionRowCount = 4;
inline constexpr int kActionRowSound = 0;
inline constexpr int kActionRowProgram = 1;
inline constexpr int kActionRowFile = 2;
inline constexpr int kActionRowFolder = 3;

// ButtonAssignment::actionCode of row r for button k: byte 0 = 0x06, byte 2 = 0xC0 + 0x10 r + k.
constexpr uint32_t AdvancedActionCode(int row, int button) {
    return 0x00C00006u + static_cast<uint32_t>(row) * 0x00100000u +
           static_cast<uint32_t>(button) * 0x00010000u;
}

// ButtonAssignment::actionKind of row r: 0xC0, 0xD0, 0xE0, 0xF0.
constexpr uint32_t AdvancedActionKind(int row) {
    return 0xC0u + 0x10u * static_cast<uint32_t>(row);
}

// How a row's Browse button asks for its path. The texts are the program's own, in the file
// dialog's framework form: the filter separates its parts with '|' and ends in "||"
// (OpenFileDialogFilter makes the system's form), the default extension starts with its dot
// (OpenFileDialogDefaultExtension drops it). The file dialog opens with "hide read-only" and
// "overwrite prompt". A folder row uses the shell's folder picker and none of the texts.
struct PathPicker {
    bool folder = false;
    std::u16string_view defaultExtension;
    std::u16string_view initialFileName;
    std::u16string_view filter;
    std::u16string_view initialFolder;
};

inline constexpr std::array<PathPicker, kAdvancedActionRowCount> kAdvancedActionPickers{{
    {false, u".wav*", u"*.wav*", u"(*.wav*)|*.wav*||", u"c:\\Windows\\Media"},
    {false, u".exe", u"*.exe", u"(*.exe)|*.exe||", u"c:\\Program Files"},
    {false, u".", u"*.*", u"(*.*)|*.*||", u"D:\\"},
    {true, u"", u"", u"", u""},
}};

// The filter as the system's file dialog wants it: each '|' becomes a NUL (the trailing "||"
// gives the closing pair of NULs).
std::u16string OpenFileDialogFilter(std::u16string_view filter);
// The default extension without its leading dot, as the system's file dialog wants it ("" for ".").
std::u16string_view OpenFileDialogDefaultExtension(std::u16string_view extension);

// The page's state. It always opens with every row off and every path empty.
class AdvancedActionState {
public:
    // A click on a row's choice button: that row on, the other three off. Rows outside 0..3 are
    // ignored.
    void Choose(int row);
    // A click on a row's Browse button (or a double click on its path display): the row is chosen
    // and its picker returned for the window to open (nullptr for rows outside 0..3). A cancelled
    // picker changes nothing more.
    const PathPicker* Browse(int row);
    // The path the picker returned for the row. A path longer than 259 units is refused with the
    // info dialog (in language) and the row keeps its old path; true when taken.
    bool TakePickedPath(int row, std::u16string_view path, Notifier& notifier, PairLanguage language);

    // The row that is on, or -1.
    int ChosenRow() const { return chosenRow_; }
    // The path shown in the row's path display; empty for rows outside 0..3.
    std::u16string_view Path(int row) const;

    // The page's answer to OK for button k: the first row that is on and has a path gives kind 19,
    // its action code, its index and its path; otherwise value 0 (the popup closes as cancelled).
    AssignmentChoice Result(int button) const;

private:
    int chosenRow_ = -1;
    std::array<std::u16string, kAdvancedActionRowCount> paths_;
};

}  // namespace kx90::pages
