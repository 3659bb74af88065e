// CBitmapEdit: background brush, font and colours of the skinned edit.
#include "win/skin/bitmap_edit.h"

#include "win/ui/gdi.h"

namespace kx90::skin {

void CBitmapEdit::SetBackground(int x, int y, int width, int height, HBITMAP pageImage) {
    background_ = ui::CopyBitmapRect(pageImage, RECT{x, y, x + width, y + height});
    brush_.Reset(background_ ? CreatePatternBrush(background_.get()) : nullptr);
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

bool CBitmapEdit::CreateEdit(HWND parent, const RECT& rect, UINT id, DWORD extraStyle) {
    CreateArgs args;
    args.className = L"EDIT";
    args.style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | extraStyle;
    args.rect = rect;
    args.parent = parent;
    args.id = id;
    return Create(args);
}

bool CBitmapEdit::OnCreate() {
    SendMessageW(hwnd(), EM_LIMITTEXT, 256, 0);
    font_ = ui::CreateUiFont(fontHeight_, 500, L"");
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~(WS_BORDER | WS_TABSTOP));
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return true;
}

LRESULT CBitmapEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Window::HandleMessage(message, wParam, lParam);
    // Text drawn transparently leaves old glyphs behind unless the background is repainted.
    if (message == WM_CHAR || message == WM_KEYDOWN || message == WM_SETTEXT || message == WM_CUT ||
        message == WM_PASTE || message == WM_CLEAR || message == EM_REPLACESEL) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
    return result;
}

HBRUSH CBitmapEdit::OnReflectedCtlColor(HDC dc) {
    SetTextColor(dc, kTextColor);
    SetBkColor(dc, kTextColor);
    SetBkMode(dc, TRANSPARENT);
    return brush_.get();
}

}  // namespace kx90::skin
