// CListBoxEx: an owner-drawn list box with step icons, in-place renaming and its own notifications
// (0x465 selection changed, 0x470 row renamed). Lists of macro names, macro steps, functions and keys.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/skin/list_box_math.h"
#include "win/ui/gdiplus_support.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CListRenameEdit;

class CListBoxEx : public ui::Window {
public:
    static constexpr int kItemHeight = 20;
    static constexpr int kRenameLimit = kListRenameMaxChars;

    CListBoxEx();
    // Takes its window with it first, so a scroll frame round it unwraps while the list still lives.
    ~CListBoxEx() override;

    // A new list in the parent (parent client coordinates). The list is owner-drawn with strings;
    // extraStyle adds to that (WS_VSCROLL, WS_BORDER, ...).
    bool CreateList(HWND parent, const RECT& rect, UINT id, DWORD extraStyle = WS_VSCROLL);
    // Adopts a list box made elsewhere; it must be LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY.
    bool AdoptList(HWND list);

    // Rows; a row's data is PackListItemData(type, value). Each inserting call selects the new row
    // and returns its index (LB_ERR on failure).
    int InsertItem(int index, uint32_t type, const std::wstring& text, uint32_t value);
    int ReplaceItem(int index, uint32_t type, const std::wstring& text, uint32_t value);
    // Ends a rename in progress, appends the row, shows icons when type is not 0, and with edit set
    // starts renaming the new row.
    int AddItemAndEdit(uint32_t type, const std::wstring& text, uint32_t value, bool edit);
    bool DeleteItem(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    bool SetCurSel(int index);
    uint32_t GetItemData(int index) const;
    std::wstring GetItemText(int index) const;

    // A solid background and the selection fill; text colours stay unless set.
    void SetColors(COLORREF background, COLORREF selection);
    // Rows of another height than kItemHeight.
    void SetItemHeight(int height);
    // Whether rows of types 1..4 show their step icon; lists whose values fill the top byte (macro
    // ids carry their group there) must turn it off.
    void SetShowIcons(bool show);
    void SetTextColors(COLORREF normal, COLORREF selected);
    // enabled: 0x465 and 0x470 go to target instead of the list's parent.
    void SetNotifyTarget(HWND target, bool enabled);
    void SetRenameByDoubleClick(bool enabled) { renameByDoubleClick_ = enabled; }
    // The folder whose "skins" subfolder holds the step icons (default: the executable's folder).
    void SetInstallDir(const std::wstring& folder);

    // Renaming: the row being renamed, or -1.
    int RenamingIndex() const;
    bool BeginRename(int index);

    // The parent hands these back (see the .cpp: a subclass of the parent does it).
    void DrawItem(const DRAWITEMSTRUCT& draw);

protected:
    bool OnCreate() override;
    void OnDestroy() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnLButtonDblClk(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnReflectedCtlColor(HDC dc) override;

private:
    friend class CListRenameEdit;

    enum class RenameEnd { kCommit, kCancel, kAbandon };
    // Ends the rename of this list (if any): commit replaces the text and posts 0x470, cancel
    // reselects the row, abandon only closes the editor (the list is going away).
    void EndRename(RenameEnd how);
    void NotifySelChange();
    HWND NotifyWindow() const;
    void InstallReflector();
    void RemoveReflector();
    Gdiplus::Bitmap* Icon(std::u16string_view file);
    HBRUSH BackgroundBrush() const;
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);

    ui::UniqueFont font_;
    ui::UniqueBrush background_;
    COLORREF backgroundColor_;
    COLORREF selectionColor_;
    COLORREF textColor_;
    COLORREF selectedTextColor_;
    bool showIcons_ = true;
    int itemHeight_ = kItemHeight;
    bool renameByDoubleClick_ = false;
    HWND notifyTarget_ = nullptr;
    HWND owner_ = nullptr;  // the parent at creation: the list box sends its own requests there
    std::wstring installDir_;
    // Step icons by file name, loaded when first drawn (nullptr: the file is missing).
    std::map<std::u16string_view, std::unique_ptr<Gdiplus::Bitmap>> icons_;
    std::unique_ptr<CListRenameEdit> editor_;
    int renameIndex_ = -1;
};

}  // namespace kx90::skin
