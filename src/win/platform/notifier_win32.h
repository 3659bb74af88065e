// The Notifier seam on Windows: the skinned info dialog and the standard message box.
#pragma once

#include <windows.h>

#include "core/platform/notifier.h"

namespace kx90 {

class Win32Notifier final : public Notifier {
public:
    // owner: the window the dialogs are modal to (the main window); null uses the active window.
    explicit Win32Notifier(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    int ShowInfo(const std::u16string& text, bool twoButtons, bool countdown) override;
    void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override;

private:
    HWND owner_;
};

}  // namespace kx90
