// PathChooser seam: the system's open-file dialog and folder picker, so the pages that ask for a
// path can be tested with answers given in advance.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kx90 {

// How to ask. The texts are in the file dialog's framework form: the filter separates its parts
// with '|' and ends in "||", the default extension starts with its dot. A folder request uses
// the shell's folder picker and none of the texts.
struct PathPicker {
    bool folder = false;
    std::u16string_view defaultExtension;
    std::u16string_view initialFileName;
    std::u16string_view filter;
    std::u16string_view initialFolder;
    bool save = false;  // the save dialog, which asks before an existing file is replaced
};

// The filter as the system's file dialog wants it: each '|' becomes a NUL (the trailing "||"
// gives the closing pair of NULs).
std::u16string OpenFileDialogFilter(std::u16string_view filter);
// The default extension without its leading dot, as the system's file dialog wants it ("" for ".").
std::u16string_view OpenFileDialogDefaultExtension(std::u16string_view extension);

class PathChooser {
public:
    virtual ~PathChooser() = default;
    // The full path the user confirmed, or nothing when the dialog was cancelled. Modal: returns
    // when the dialog has closed.
    virtual std::optional<std::u16string> Choose(const PathPicker& picker) = 0;
};

}  // namespace kx90
