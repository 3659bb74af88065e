// CDlgMacro: the controls follow the state's view (only the list rows that differ change), the
// coalesced save is armed, and the key and pause rows are drawn toned down while hidden.
#include <algorithm>

#include "core/layout/macro_page_layout.h"
#include "win/pages/macro_page.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace mp = layout::macro_page;

namespace {
// Macro.cfg is 2 MB written with two 100 ms pauses: typing a repeat count digit by digit, or a
// run of single-event edits, is gathered into one write this long after the last change, made on
// the library's background writer.
constexpr UINT kSaveDelayMs = 800;
}  // namespace

void CDlgMacro::Show() {
    if (!created_) {
        return;  // the controls are made when the page is first shown
    }
    const MacroPageView& view = state_->View();
    if (view.loadedDamaged && !damagedTold_) {
        OutputDebugStringW(L"LoadMacroToList:  Not a vaild item");  // the program's one diagnostic
    }
    damagedTold_ = view.loadedDamaged;
    const PairLanguage language = Services().language->Pairs();
    const std::wstring caption = ui::Wide(view.groupCaption);
    if (groupButton_.GetText() != caption) {
        groupButton_.SetText(caption);
        groupButton_.Invalidate();
    }
    const std::wstring recordCaption = ui::Wide(RecordCaption(view.recording, language));
    if (record_.GetText() != recordCaption) {
        record_.SetText(recordCaption);
        record_.Invalidate();
    }
    const BOOL editing = view.recording ? FALSE : TRUE;
    for (skin::CGDIBitmapBtn* b : {&newMacro_, &deleteMacro_, &insertEvent_, &deleteEvent_, &modifyEvent_}) {
        if ((IsWindowEnabled(b->hwnd()) != FALSE) != (editing != FALSE)) {
            EnableWindow(b->hwnd(), editing);
            b->Invalidate();
        }
    }
    if (noPause_.GetCheck() != view.noPause) {
        noPause_.SetCheck(view.noPause);
    }
    ShowMacroList();
    ShowEventList();
    settingRepeat_ = true;
    repeatField_.SetText(view.repeatText);
    settingRepeat_ = false;
    ShowEditControls();
    if (state_->SavePending()) {
        StartTimer(timer::kSaveMacros, kSaveDelayMs);  // started again by every change
    }
}

void CDlgMacro::ShowMacroList() {
    const std::vector<MacroListEntry>& rows = state_->View().macros;
    auto same = [](const MacroListEntry& a, const MacroListEntry& b) {
        return a.id == b.id && a.name == b.name;
    };
    const auto differ =
        std::mismatch(shownMacros_.begin(), shownMacros_.end(), rows.begin(), rows.end(), same);
    const int first = static_cast<int>(differ.first - shownMacros_.begin());
    if (differ.first != shownMacros_.end() || differ.second != rows.end()) {
        SendMessageW(macroList_.hwnd(), WM_SETREDRAW, FALSE, 0);
        while (macroList_.GetCount() > first) {
            macroList_.DeleteItem(macroList_.GetCount() - 1);
        }
        for (size_t i = static_cast<size_t>(first); i < rows.size(); ++i) {
            macroList_.InsertItem(-1, skin::kListItemPlain, ui::Wide(rows[i].name), rows[i].id);
        }
        SendMessageW(macroList_.hwnd(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(macroList_.hwnd(), nullptr, TRUE);
        shownMacros_ = rows;
    }
    if (macroList_.GetCurSel() != state_->View().selectedMacro) {
        macroList_.SetCurSel(state_->View().selectedMacro);
    }
}

void CDlgMacro::ShowEventList() {
    const std::vector<EventItem>& items = state_->Editor().Items();
    const auto differ = std::mismatch(shownEvents_.begin(), shownEvents_.end(), items.begin(), items.end());
    const int first = static_cast<int>(differ.first - shownEvents_.begin());
    if (differ.first != shownEvents_.end() || differ.second != items.end()) {
        const bool many = items.size() - static_cast<size_t>(first) > 1;
        if (many) {
            SendMessageW(eventList_.hwnd(), WM_SETREDRAW, FALSE, 0);
        }
        while (eventList_.GetCount() > first) {
            eventList_.DeleteItem(eventList_.GetCount() - 1);
        }
        for (size_t i = static_cast<size_t>(first); i < items.size(); ++i) {
            eventList_.InsertItem(-1, items[i].kind, ui::Wide(EventItemText(items[i])), items[i].value);
        }
        if (many) {
            SendMessageW(eventList_.hwnd(), WM_SETREDRAW, TRUE, 0);
            InvalidateRect(eventList_.hwnd(), nullptr, TRUE);
        }
        shownEvents_ = items;
    }
    const int selected = state_->Editor().Selected();
    if (eventList_.GetCurSel() != selected) {
        eventList_.SetCurSel(selected);
    }
    if (selected >= 0) {
        SendMessageW(eventList_.hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(selected), FALSE);
    }
}

// The key and pause rows of the picture, each with the field's frame: drawn dimmed while hidden.
std::vector<RECT> CDlgMacro::EditRowAreas(bool keyRow) const {
    const bool chinese = ChineseLayout();
    const layout::Rect field = (keyRow ? mp::kKeyField : mp::kPauseField).For(chinese);
    return {ui::ToRect((keyRow ? mp::kKeyOption : mp::kPauseOption).For(chinese)),
            RECT{field.left - 2, field.top - 2, field.right + 2, field.bottom + 2},
            ui::ToRect((keyRow ? mp::kKeyOk : mp::kPauseOk).For(chinese))};
}

bool CDlgMacro::OnPaint(HDC dc) {
    PageWindow::OnPaint(dc);
    if (disabled_ && HasPicture()) {
        const EditControls& c = state_->Editor().Controls();
        for (const bool keyRow : {true, false}) {
            if (keyRow ? (c.keyOption || c.keyField) : (c.pauseOption || c.pauseField)) {
                continue;
            }
            for (const RECT& r : EditRowAreas(keyRow)) {
                ui::DrawBitmapPart(dc, disabled_.get(), r.left, r.top, r);
            }
        }
    }
    return true;
}

void CDlgMacro::ShowEditControls() {
    const EditControls& c = state_->Editor().Controls();
    auto show = [this](HWND window, bool shown) {
        if ((IsWindowVisible(window) != FALSE) != shown) {
            ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
            // The row's picture changes between dimmed and lit with it.
            for (const bool keyRow : {true, false}) {
                for (const RECT& r : EditRowAreas(keyRow)) {
                    InvalidateRect(hwnd(), &r, FALSE);
                }
            }
        }
    };
    show(keyOption_.hwnd(), c.keyOption);
    if (keyOption_.GetCheck() != c.keyOptionChecked) {
        keyOption_.SetCheck(c.keyOptionChecked);
    }
    show(keyField_.hwnd(), c.keyField);
    show(keyOk_.hwnd(), c.keyField);
    keyField_.SetText(c.keyFieldText);
    show(pauseOption_.hwnd(), c.pauseOption);
    if (pauseOption_.GetCheck() != c.pauseOptionChecked) {
        pauseOption_.SetCheck(c.pauseOptionChecked);
    }
    show(pauseField_.hwnd(), c.pauseField);
    show(pauseOk_.hwnd(), c.pauseField);
    if (pauseClearsShown_ != c.pauseFieldClears) {
        pauseClearsShown_ = c.pauseFieldClears;
        pauseField_.SetText(u"");
        if (c.focus == EditControls::Focus::kPauseField && c.pauseField) {
            SetFocus(pauseField_.hwnd());
        }
    }
    if (c.focus == EditControls::Focus::kKeyField && c.keyField && GetFocus() != keyField_.hwnd()) {
        SetFocus(keyField_.hwnd());
    }
}

}  // namespace kx90::pages
