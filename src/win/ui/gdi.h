// Bitmap helpers of the skins: loading pictures, cutting faces, fonts and small drawing steps.
#pragma once

#include <windows.h>

#include <string>

#include "core/layout/geometry.h"
#include "win/ui/handles.h"

namespace kx90::ui {

struct SkinBitmap {
    UniqueBitmap bitmap;
    SIZE size{0, 0};
};

// Loads a picture file as a bitmap with its pixel size. BMP directly; PNG, JPEG and GIF through
// GDI+. A missing or unreadable file gives no bitmap and 0 x 0.
SkinBitmap LoadSkinBitmap(const std::wstring& path);

// A bitmap resource of this program (24-bit skins), or none.
SkinBitmap LoadBitmapResource(UINT id);

// A new bitmap of the rectangle's size holding that rectangle of the source (1:1). Parts of the
// rectangle outside the source stay black.
UniqueBitmap CopyBitmapRect(HBITMAP source, const RECT& rect);

SIZE BitmapSize(HBITMAP bitmap);

// A copy of the whole bitmap faded toward a colour: keepPercent of the picture stays. The faces of
// disabled controls are cut from it.
UniqueBitmap FadedCopy(HBITMAP source, COLORREF toward, int keepPercent);

// Copies a whole bitmap to (x, y) of a DC.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Copies the rectangle src of a bitmap to (x, y).
void DrawBitmapPart(HDC dc, HBITMAP bitmap, int x, int y, const RECT& src);

// The program's caption font: face "MS Shell Dlg" (mapped to a CJK-capable font where needed),
// the given pixel height and weight, default character set, swiss family.
UniqueFont CreateUiFont(int height, int weight, const wchar_t* face = L"MS Shell Dlg",
                        BYTE charset = DEFAULT_CHARSET, BYTE quality = DEFAULT_QUALITY);

void FillSolid(HDC dc, const RECT& rect, COLORREF color);

// Draws text with a font, colour and DrawText flags, transparent background.
void DrawTextIn(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF color, UINT flags);

// Rectangle from its four sides and size helpers.
inline RECT MakeRect(int left, int top, int right, int bottom) {
    return RECT{left, top, right, bottom};
}
inline int Width(const RECT& r) {
    return r.right - r.left;
}
inline int Height(const RECT& r) {
    return r.bottom - r.top;
}

// A rectangle of the layout tables as a Win32 one.
inline RECT ToRect(const layout::Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}
// The window region of a shaped button: the polygon through the quad's four points.
HRGN QuadRegion(const layout::Quad& quad);

// Starts moving a borderless window as if its caption had been grabbed, after a press on its
// background. Only for a real press: a synthetic one would start the system's move loop, which
// then waits for a release that never comes.
void DragByBackground(HWND window, POINT client);

}  // namespace kx90::ui
