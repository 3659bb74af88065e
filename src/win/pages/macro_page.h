// CDlgMacro: the macro manager page, a child of the main window. The game group button with its
// SkinMenu.dll menu, the group's macro list with in-place rename, the selected macro's event list,
// the recorder, the single-event editor and the repeat field. Every decision is MacroPageState's.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/pages/macro_page.h"
#include "win/pages/page_window.h"
#include "win/skin/bitmap_edit.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/skin/list_box_ex.h"
#include "win/ui/handles.h"

namespace kx90::pages {

// One of the page's three edit fields (repeat count, key, pause): bronze text on near black.
class CMacroField : public skin::CBitmapEdit {
public:
    bool CreateField(HWND parent, const RECT& rect, UINT id, DWORD extraStyle, int limit);
    std::u16string Text() const;
    // Puts text in and the caret at its end; false when the field already showed it.
    bool SetText(std::u16string_view text);

protected:
    HBRUSH OnReflectedCtlColor(HDC dc) override;

private:
    ui::UniqueBrush brush_;
};

class CDlgMacro : public PageWindow {
public:
    static constexpr UINT kPageId = 105;

    CDlgMacro();
    ~CDlgMacro() override;

    void OnEnter() override;
    void OnLeave() override;
    void BeforeApply() override;
    void OnSessionEnd() override;
    void OnLanguageChanged() override;

    // What tests press and look at.
    HWND GroupButton() const { return groupButton_.hwnd(); }
    HWND MacroList() const { return macroList_.hwnd(); }
    HWND EventList() const { return eventList_.hwnd(); }
    HWND NewMacroButton() const { return newMacro_.hwnd(); }
    HWND DeleteMacroButton() const { return deleteMacro_.hwnd(); }
    HWND RecordButton() const { return record_.hwnd(); }
    HWND NoPauseBox() const { return noPause_.hwnd(); }
    HWND InsertEventButton() const { return insertEvent_.hwnd(); }
    HWND DeleteEventButton() const { return deleteEvent_.hwnd(); }
    HWND ModifyEventButton() const { return modifyEvent_.hwnd(); }
    HWND KeyOptionButton() const { return keyOption_.hwnd(); }
    HWND KeyOkButton() const { return keyOk_.hwnd(); }
    HWND PauseOptionButton() const { return pauseOption_.hwnd(); }
    HWND PauseOkButton() const { return pauseOk_.hwnd(); }
    HWND MouseButton(int i) const { return mouseButtons_[static_cast<size_t>(i)].hwnd(); }
    HWND RepeatField() const { return repeatField_.hwnd(); }
    HWND KeyField() const { return keyField_.hwnd(); }
    HWND PauseField() const { return pauseField_.hwnd(); }
    const std::wstring& GroupCaption() const { return groupButton_.GetText(); }
    const std::wstring& RecordButtonCaption() const { return record_.GetText(); }
    const MacroPageState& State() const { return *state_; }
    skin::CListBoxEx& MacroListBox() { return macroList_; }
    skin::CListBoxEx& EventListBox() { return eventList_; }

protected:
    const wchar_t* Picture() const override { return L"Macro_normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_macro_manager; }
    UINT PageId() const override { return kPageId; }
    bool OnCreate() override;
    void OnDestroy() override;
    bool OnPaint(HDC dc) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateButtons(HBITMAP normal, HBITMAP over, HBITMAP down);
    void CreateLists();
    void CreateFields();
    void OpenGroupMenu();
    void CloseGroupMenu();
    void OnMouseButtonCapture(WPARAM wParam, LPARAM lParam);
    // After every call into the state: the controls from its view, and the coalesced save armed.
    void Show();
    void ShowMacroList();
    void ShowEventList();
    void ShowEditControls();
    std::vector<RECT> EditRowAreas(bool keyRow) const;
    bool ChineseLayout() const;

    std::unique_ptr<MacroPageState> state_;
    ui::UniqueBitmap disabled_;
    skin::CGDIBitmapBtn groupButton_;
    skin::CListBoxEx macroList_;
    skin::CListBoxEx eventList_;
    skin::CGDIBitmapBtn newMacro_;
    skin::CGDIBitmapBtn deleteMacro_;
    skin::CGDIBitmapBtn insertEvent_;
    skin::CGDIBitmapBtn deleteEvent_;
    skin::CGDIBitmapBtn modifyEvent_;
    skin::CGDIBitmapBtn record_;
    skin::CGDIBitmapBtn noPause_;
    skin::CGDIBitmapBtn mouseButtons_[3];  // left, middle, right
    skin::CGDIBitmapBtn keyOption_;
    skin::CGDIBitmapBtn keyOk_;
    skin::CGDIBitmapBtn pauseOption_;
    skin::CGDIBitmapBtn pauseOk_;
    CMacroField repeatField_;
    CMacroField keyField_;
    CMacroField pauseField_;
    // What the lists show now, to change only the rows that differ.
    std::vector<MacroListEntry> shownMacros_;
    std::vector<EventItem> shownEvents_;
    uint32_t pauseClearsShown_ = 0;
    bool settingRepeat_ = false;  // the page itself writes the repeat field: not a user's change
    bool damagedTold_ = false;    // the damaged record loaded last has been written to the debugger
    bool created_ = false;        // the controls exist (made when the page is first shown)
};

}  // namespace kx90::pages
