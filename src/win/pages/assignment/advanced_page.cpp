// The advanced-actions page: one chosen row at a time, Browse through the PathChooser, the
// painted row labels.
#include "win/pages/assignment/advanced_page.h"

#include "core/layout/assignment_popup_layout.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace advanced = layout::advanced_page;

namespace {
// Ids: choice 1..4, path display 11..14, browse 21..24.
constexpr UINT kChoiceFirstId = 1;
constexpr UINT kPathFirstId = 11;
constexpr UINT kBrowseFirstId = 21;
constexpr COLORREF kLabelColor = 0x695F58;
constexpr COLORREF kPathColor = 0xC8BDBD;
constexpr COLORREF kBrowseColors[3] = {0x676153, 0xFFFFFF, 0xFFFFFF};

// The row an id belongs to when it lies in [first, first + 4), else -1.
int RowOf(UINT id, UINT first) {
    return id >= first && id < first + kAdvancedActionRowCount ? static_cast<int>(id - first) : -1;
}
}  // namespace

void CSetting_AdvanceDlg::CreateControls() {
    for (int r = 0; r < kAdvancedActionRowCount; ++r) {
        Row& row = rows_[static_cast<size_t>(r)];
        const advanced::ActionRow& place = advanced::kRows[r];
        const UINT offset = static_cast<UINT>(r);
        MakeButton(row.choice, ui::ToRect(place.choice), kChoiceFirstId + offset);
        row.choice.SetCheckMode(true, false);
        // The path display is a field, not a button: its normal picture in every look.
        row.path.CreateButton(hwnd(), ui::ToRect(place.path), kPathFirstId + offset);
        row.path.SetFaceBitmaps(ui::ToRect(place.path), NormalPicture(), NormalPicture(), NormalPicture(),
                                NormalPicture());
        row.path.SetTextColors(kPathColor, kPathColor, kPathColor);
        row.path.SetHoverEnabled(false);
        MakeButton(row.browse, ui::ToRect(place.browse), kBrowseFirstId + offset);
        row.browse.SetTextColors(kBrowseColors[0], kBrowseColors[1], kBrowseColors[2]);
        row.browse.SetText(ui::Wide(Texts().str_browse));
        row.browse.SetTooltipText(ui::Wide(Texts().str_browse), true);
    }
}

void CSetting_AdvanceDlg::ShowChoices() {
    for (int r = 0; r < kAdvancedActionRowCount; ++r) {
        Row& row = rows_[static_cast<size_t>(r)];
        row.choice.SetCheck(state_.ChosenRow() == r);
        row.path.SetText(ui::Wide(state_.Path(r)));
        row.path.Invalidate();
    }
}

bool CSetting_AdvanceDlg::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    if (const int row = RowOf(id, kChoiceFirstId); row >= 0) {
        state_.Choose(row);
        ShowChoices();
        return true;
    }
    if (const int row = RowOf(id, kBrowseFirstId); row >= 0) {
        BrowseRow(row);
        return true;
    }
    return RowOf(id, kPathFirstId) >= 0;  // a click on a path display does nothing
}

void CSetting_AdvanceDlg::BrowseRow(int row) {
    const PathPicker* picker = state_.Browse(row);
    ShowChoices();  // the row is chosen even when the picker is cancelled
    if (picker == nullptr) {
        return;
    }
    if (const std::optional<std::u16string> path = paths_.Choose(*picker)) {
        state_.TakePickedPath(row, *path, notifier_, Language().Pairs());
        ShowChoices();
    }
}

void CSetting_AdvanceDlg::PaintTexts(HDC dc) {
    const LanguageStrings& s = Texts();
    const std::u16string* labels[kAdvancedActionRowCount] = {&s.str_advanced_sound, &s.str_advanced_exe,
                                                             &s.str_advanced_file, &s.str_advanced_dir};
    const ui::UniqueFont font = AssignmentTextFont();
    for (int r = 0; r < kAdvancedActionRowCount; ++r) {
        ui::DrawTextIn(dc, ui::Wide(*labels[r]), ui::ToRect(advanced::kRows[r].label), font.get(),
                       kLabelColor, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
}

}  // namespace kx90::pages
