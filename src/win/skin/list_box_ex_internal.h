// Shared by the CListBoxEx files: the in-place rename editor.
#pragma once

#include <string>

#include "win/skin/list_box_ex.h"
#include "win/ui/window.h"

namespace kx90::skin {

// A plain edit over one row. It reaches its list through the one process-wide reference to the
// list being renamed, so a second rename anywhere ends the first.
class CListRenameEdit : public ui::Window {
public:
    bool Open(HWND list, const RECT& row, const std::wstring& text, HFONT font);
    // The list's own colours; the brush stays the list's.
    void SetColors(COLORREF text, COLORREF background, HBRUSH brush) {
        textColor_ = text;
        backgroundColor_ = background;
        brush_ = brush;
    }
    std::wstring Text() const;

    // The list being renamed in this process, or nullptr.
    static CListBoxEx* Active();
    static void SetActive(CListBoxEx* list);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnReflectedCtlColor(HDC dc) override;

private:
    COLORREF textColor_ = 0;
    COLORREF backgroundColor_ = 0;
    HBRUSH brush_ = nullptr;
};

}  // namespace kx90::skin
