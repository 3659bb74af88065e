// Skin bitmaps: loading, cutting, drawing, fonts.
#include "win/ui/gdi.h"

#include <algorithm>

#include "win/ui/gdiplus_support.h"

namespace kx90::ui {

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

SkinBitmap LoadSkinBitmap(const std::wstring& path) {
    SkinBitmap result;
    auto* bmp = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bmp == nullptr) {
        // Not a BMP (or not there): let GDI+ try PNG, JPEG and GIF.
        if (auto image = LoadImageFile(path)) {
            result.bitmap = ImageToBitmap(*image, RGB(0, 0, 0));
        }
    } else {
        result.bitmap.Reset(bmp);
    }
    result.size = BitmapSize(result.bitmap.get());
    return result;
}

SkinBitmap LoadBitmapResource(UINT id) {
    SkinBitmap result;
    result.bitmap.Reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    result.size = BitmapSize(result.bitmap.get());
    return result;
}

UniqueBitmap CopyBitmapRect(HBITMAP source, const RECT& rect) {
    if (source == nullptr || Width(rect) <= 0 || Height(rect) <= 0) {
        return UniqueBitmap{};
    }
    WindowDc screen(nullptr);
    UniqueBitmap copy(CreateCompatibleBitmap(screen.get(), Width(rect), Height(rect)));
    UniqueMemoryDc from(CreateCompatibleDC(screen.get()));
    UniqueMemoryDc to(CreateCompatibleDC(screen.get()));
    {
        Selected a(from.get(), source);
        Selected b(to.get(), copy.get());
        PatBlt(to.get(), 0, 0, Width(rect), Height(rect), BLACKNESS);
        BitBlt(to.get(), 0, 0, Width(rect), Height(rect), from.get(), rect.left, rect.top, SRCCOPY);
    }
    return copy;
}

UniqueBitmap FadedCopy(HBITMAP source, COLORREF toward, int keepPercent) {
    const SIZE size = BitmapSize(source);
    UniqueBitmap copy = CopyBitmapRect(source, RECT{0, 0, size.cx, size.cy});
    if (copy.get() == nullptr) {
        return copy;
    }
    WindowDc screen(nullptr);
    UniqueMemoryDc to(CreateCompatibleDC(screen.get()));
    UniqueMemoryDc dot(CreateCompatibleDC(screen.get()));
    UniqueBitmap pixel(CreateCompatibleBitmap(screen.get(), 1, 1));
    {
        Selected a(dot.get(), pixel.get());
        SetPixel(dot.get(), 0, 0, toward);
        Selected b(to.get(), copy.get());
        const int cover = std::clamp(100 - keepPercent, 0, 100);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(cover * 255 / 100), 0};
        AlphaBlend(to.get(), 0, 0, size.cx, size.cy, dot.get(), 0, 0, 1, 1, blend);
    }
    return copy;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    DrawBitmapPart(dc, bitmap, x, y, RECT{0, 0, size.cx, size.cy});
}

void DrawBitmapPart(HDC dc, HBITMAP bitmap, int x, int y, const RECT& src) {
    if (bitmap == nullptr) {
        return;
    }
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    Selected selected(memory.get(), bitmap);
    BitBlt(dc, x, y, Width(src), Height(src), memory.get(), src.left, src.top, SRCCOPY);
}

UniqueFont CreateUiFont(int height, int weight, const wchar_t* face, BYTE charset, BYTE quality) {
    return UniqueFont(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, quality, FF_SWISS | DEFAULT_PITCH, face));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

void DrawTextIn(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF color, UINT flags) {
    Selected selected(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

HRGN QuadRegion(const layout::Quad& quad) {
    POINT points[4];
    for (int i = 0; i < 4; ++i) {
        points[i] = POINT{quad.points[i].x, quad.points[i].y};
    }
    return CreatePolygonRgn(points, 4, WINDING);
}

void DragByBackground(HWND window, POINT client) {
    if ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0) {
        return;
    }
    POINT screen = client;
    ClientToScreen(window, &screen);
    PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y)));
}

}  // namespace kx90::ui
