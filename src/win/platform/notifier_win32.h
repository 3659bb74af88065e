// The Notifier seam on Windows: the skinned info dialog and the standard message box.
#pragma once

#include <windows.h>

#include "core/i18n/ui_language.h"
#include "core/platform/notifier.h"

namespace kx90 {

class Win32Notifier final : public Notifier {
public:
    // The info dialog's title and captions follow language. owner: the window the dialogs are
    // modal to (the main window); null uses the active window.
    explicit Win32Notifier(const UiLanguage& language, HWND owner = nullptr)
        : language_(language), owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    int ShowInfo(const std::u16string& text, bool twoButtons, bool countdown) override;
    void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override;

private:
    const UiLanguage& language_;
    HWND owner_;
};

}  // namespace kx90
