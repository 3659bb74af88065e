// Win32Notifier over CDlgInfo and MessageBoxW.
#include "win/platform/notifier_win32.h"

#include "win/skin/dlg_info.h"
#include "win/ui/text.h"

namespace kx90 {

int Win32Notifier::ShowInfo(const std::u16string& text, bool twoButtons, bool countdown) {
    const std::wstring wide = ui::Wide(text);
    return countdown ? skin::ShowCountdownInfoDialog(wide, owner_, language_.Pairs())
                     : skin::ShowInfoDialog(wide, twoButtons, owner_, language_.Pairs());
}

void Win32Notifier::ShowMessageBox(const std::u16string& text, const std::u16string& caption) {
    MessageBoxW(owner_, ui::Wide(text).c_str(), ui::Wide(caption).c_str(), MB_OK);
}

}  // namespace kx90
