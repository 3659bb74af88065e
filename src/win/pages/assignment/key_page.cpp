// The key page: modifier toggles by click or by key, the last key's name, the keyCode.
#include "win/pages/assignment/key_page.h"

#include "core/buttons/key_naming.h"
#include "core/layout/assignment_popup_layout.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace key = layout::key_page;

namespace {
constexpr UINT kToggleFirstId = 1;
constexpr COLORREF kKeyNameColor = 0xC39417;

}  // namespace

void CSetting_SingleComboDlg::CreateControls() {
    for (int i = 0; i < kModifierCount; ++i) {
        skin::CGDIBitmapBtn& toggle = toggles_[static_cast<size_t>(i)];
        MakeButton(toggle, ui::ToRect(key::kModifierToggles[i]), kToggleFirstId + static_cast<UINT>(i));
        toggle.SetCheckMode(true, false);
    }
}

void CSetting_SingleComboDlg::ShowToggles() {
    for (int i = 0; i < kModifierCount; ++i) {
        toggles_[static_cast<size_t>(i)].SetCheck(state_.IsOn(static_cast<Modifier>(i)));
    }
}

bool CSetting_SingleComboDlg::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    if (id < kToggleFirstId || id >= kToggleFirstId + kModifierCount) {
        return false;
    }
    state_.Toggle(static_cast<Modifier>(id - kToggleFirstId));
    ShowToggles();
    return true;
}

LRESULT CSetting_SingleComboDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != msg::kKeyCapture) {
        return AssignmentPageWindow::HandleMessage(message, wParam, lParam);
    }
    switch (state_.OnKeyCapture(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam))) {
        case KeyCaptureEffect::kModifierToggled:
            ShowToggles();
            break;
        case KeyCaptureEffect::kKeyChanged: {
            const RECT area = ui::ToRect(key::kKeyNameArea);
            InvalidateRect(hwnd(), &area, FALSE);
            break;
        }
        case KeyCaptureEffect::kNone:
            break;
    }
    return 0;
}

void CSetting_SingleComboDlg::PaintTexts(HDC dc) {
    if (state_.PageKey() == 0) {
        return;
    }
    const ui::UniqueFont font = AssignmentTextFont();
    ui::DrawTextIn(dc, ui::Wide(GetVirtualKeyName(state_.PageKey(), keyboard_)),
                   ui::ToRect(key::kKeyNameText), font.get(), kKeyNameColor,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace kx90::pages
