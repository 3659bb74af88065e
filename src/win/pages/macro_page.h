// CDlgMacro: the macro page, a child of the main window.
#pragma once

#include <cstdint>
#include <string>

#include "win/pages/page_window.h"

namespace kx90::pages {

class CDlgMacro : public PageWindow {
public:
    static constexpr const wchar_t* kPicture = L"Macro_normal.bmp";

    // The pending repeat-count entry is stored before a write.
    void CommitRepeatCount() {}
    // Closes the macro group menu if it is open.
    void CloseGroupMenu() {}
    // Ends a running recording.
    void StopRecording() {}

protected:
    const std::u16string& Title() const override { return Strings().str_macro_manager; }
};

}  // namespace kx90::pages
