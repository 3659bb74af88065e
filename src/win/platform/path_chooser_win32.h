// The PathChooser seam on Windows: the system's open-file dialog and the shell's folder picker.
#pragma once

#include <windows.h>

#include "core/platform/path_chooser.h"

namespace kx90 {

class Win32PathChooser final : public PathChooser {
public:
    // owner: the window the open-file dialog is modal to; the folder picker has no owner.
    explicit Win32PathChooser(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    std::optional<std::u16string> Choose(const PathPicker& picker) override;

private:
    HWND owner_;
};

}  // namespace kx90
