// CSetting_SingleComboDlg: the key-or-combination page of the assignment popup. The mouse hook's
// key capture reports every key here while the page is the shown tab.
#pragma once

#include <array>

#include "core/buttons/keyboard_layout.h"
#include "core/pages/key_combination.h"
#include "win/pages/assignment/assignment_page.h"

namespace kx90::pages {

class CSetting_SingleComboDlg : public AssignmentPageWindow {
public:
    explicit CSetting_SingleComboDlg(const KeyboardLayout& keyboard) : keyboard_(keyboard) {}

    AssignmentChoice Result(int) const override { return state_.Result(); }
    const KeyCombinationState& State() const { return state_; }

protected:
    const wchar_t* SkinFolder() const override { return L"combo"; }
    const wchar_t* SkinStem() const override { return L"Combo"; }
    void CreateControls() override;
    void PaintTexts(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowToggles();

    const KeyboardLayout& keyboard_;
    KeyCombinationState state_;
    std::array<skin::CGDIBitmapBtn, kModifierCount> toggles_;
};

}  // namespace kx90::pages
