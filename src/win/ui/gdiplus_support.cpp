// GDI+ session and image loading.
#include "win/ui/gdiplus_support.h"

#include <shlwapi.h>

namespace kx90::ui {

bool EnsureGdiplus() {
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

namespace {

std::unique_ptr<Gdiplus::Bitmap> CheckedBitmap(Gdiplus::Bitmap* bitmap) {
    std::unique_ptr<Gdiplus::Bitmap> owned(bitmap);
    if (owned == nullptr || owned->GetLastStatus() != Gdiplus::Ok || owned->GetWidth() == 0) {
        return nullptr;
    }
    return owned;
}

}  // namespace

std::unique_ptr<Gdiplus::Bitmap> LoadImageFile(const std::wstring& path) {
    if (!EnsureGdiplus() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return nullptr;
    }
    return CheckedBitmap(Gdiplus::Bitmap::FromFile(path.c_str()));
}

std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(UINT id) {
    if (!EnsureGdiplus()) {
        return nullptr;
    }
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (found == nullptr) {
        return nullptr;
    }
    const DWORD size = SizeofResource(module, found);
    const void* data = LockResource(LoadResource(module, found));
    if (data == nullptr || size == 0) {
        return nullptr;
    }
    // GDI+ reads lazily from the stream, so the bitmap is cloned before the stream goes.
    IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(data), size);
    if (stream == nullptr) {
        return nullptr;
    }
    std::unique_ptr<Gdiplus::Bitmap> decoded = CheckedBitmap(Gdiplus::Bitmap::FromStream(stream));
    std::unique_ptr<Gdiplus::Bitmap> copy;
    if (decoded != nullptr) {
        copy = CheckedBitmap(decoded->Clone(0, 0, static_cast<INT>(decoded->GetWidth()),
                                            static_cast<INT>(decoded->GetHeight()), PixelFormat32bppARGB));
    }
    decoded.reset();
    stream->Release();
    return copy;
}

UniqueBitmap ImageToBitmap(Gdiplus::Bitmap& image, COLORREF background) {
    HBITMAP bitmap = nullptr;
    image.GetHBITMAP(ArgbOf(background), &bitmap);
    return UniqueBitmap(bitmap);
}

}  // namespace kx90::ui
