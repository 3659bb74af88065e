// CBitmapEdit: a single-line edit whose background is the piece of the page picture behind it,
// so it looks drawn into the page.
#pragma once

#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CBitmapEdit : public ui::Window {
public:
    static constexpr COLORREF kTextColor = 0x675F58;

    // Clones that rectangle of the page picture and makes it the background brush.
    void SetBackground(int x, int y, int width, int height, HBITMAP pageImage);
    void SetFontHeight(int height) { fontHeight_ = height; }  // before CreateEdit
    bool CreateEdit(HWND parent, const RECT& rect, UINT id = 0, DWORD extraStyle = 0);

protected:
    bool OnCreate() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnReflectedCtlColor(HDC dc) override;

private:
    ui::UniqueBitmap background_;
    ui::UniqueBrush brush_;
    ui::UniqueFont font_;
    int fontHeight_ = 12;
};

}  // namespace kx90::skin
