// GDI+ start-up and image loading (PNG files and PNG resources).
#pragma once

#include <windows.h>
// objidl.h (IStream) must follow windows.h and come before gdiplus.h.
#include <objidl.h>
// The GDI+ headers use min and max, which NOMINMAX hides.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <memory>
#include <string>

#include "win/ui/handles.h"

namespace kx90::ui {

// Starts GDI+ once for the process; later calls do nothing. It stays up until the process ends,
// because images may live in static objects that outlive any scope we could shut it down in.
bool EnsureGdiplus();

// A GDI+ bitmap from a picture file, or nullptr.
std::unique_ptr<Gdiplus::Bitmap> LoadImageFile(const std::wstring& path);

// A GDI+ bitmap from a resource of type "PNG" of this program, or nullptr.
std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(UINT id);

// The image drawn over a solid background into a new 24-bit-compatible bitmap.
UniqueBitmap ImageToBitmap(Gdiplus::Bitmap& image, COLORREF background);

// ARGB from a COLORREF and an alpha.
inline Gdiplus::Color ArgbOf(COLORREF color, BYTE alpha = 255) {
    return Gdiplus::Color(alpha, GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace kx90::ui
