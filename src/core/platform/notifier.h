// Notifier seam: the two ways the program tells the user something.
#pragma once

#include <string>

namespace kx90 {

inline constexpr int kInfoOk = 1;
inline constexpr int kInfoCancel = 2;

class Notifier {
public:
    virtual ~Notifier() = default;
    // The skinned info dialog: 1 for OK, 2 for cancel (or the count-down running out).
    // countdown: the variant that closes itself after a count-down (device arrival and removal).
    virtual int ShowInfo(const std::u16string& text, bool twoButtons, bool countdown = false) = 0;
    // The standard Windows message box with an OK button, owned by the main window.
    virtual void ShowMessageBox(const std::u16string& text, const std::u16string& caption) = 0;
};

// printf-style "%s" substitution of one argument into a catalogue text (str_msg2 and the fixed
// file-error texts). Only the first "%s" is replaced; a text without one is returned as it is.
std::u16string FormatWithPath(std::u16string_view format, std::u16string_view path);

}  // namespace kx90
