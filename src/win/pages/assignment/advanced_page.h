// CSetting_AdvanceDlg: the advanced-actions page of the assignment popup: play a sound, start a
// program, open a file or a folder, each with its path chosen through the system's pickers.
#pragma once

#include <array>

#include "core/pages/advanced_action.h"
#include "core/platform/notifier.h"
#include "core/platform/path_chooser.h"
#include "win/pages/assignment/assignment_page.h"

namespace kx90::pages {

class CSetting_AdvanceDlg : public AssignmentPageWindow {
public:
    CSetting_AdvanceDlg(PathChooser& paths, Notifier& notifier) : paths_(paths), notifier_(notifier) {}

    AssignmentChoice Result(int buttonIndex) const override { return state_.Result(buttonIndex); }
    const AdvancedActionState& State() const { return state_; }
    HWND BrowseButton(int row) const { return rows_[static_cast<size_t>(row)].browse.hwnd(); }
    HWND ChoiceButton(int row) const { return rows_[static_cast<size_t>(row)].choice.hwnd(); }

protected:
    const wchar_t* SkinFolder() const override { return L"advanced"; }
    const wchar_t* SkinStem() const override { return L"Advanced"; }
    void CreateControls() override;
    void PaintTexts(HDC dc) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    struct Row {
        skin::CGDIBitmapBtn choice;
        skin::CGDIBitmapBtn path;
        skin::CGDIBitmapBtn browse;
    };
    void ShowChoices();
    void BrowseRow(int row);

    PathChooser& paths_;
    Notifier& notifier_;
    AdvancedActionState state_;
    std::array<Row, kAdvancedActionRowCount> rows_;
};

}  // namespace kx90::pages
