// RAII owners of Win32 handles and GDI/GDI+ objects: each frees its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace kx90::ui {

// One owner template; Traits::Close(handle) frees a non-null handle.
template <typename Handle, typename Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    ~Unique() { Reset(); }
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Handle{}));
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void Reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

struct GdiObjectTraits {
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct WindowTraits {
    static void Close(HWND window) {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
};
struct MemoryDcTraits {
    static void Close(HDC dc) { DeleteDC(dc); }
};
// Kernel objects (mutexes, events, processes); both null and INVALID_HANDLE_VALUE mean none.
struct KernelHandleTraits {
    static void Close(HANDLE handle) {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};

using UniqueBitmap = Unique<HBITMAP, GdiObjectTraits>;
using UniqueFont = Unique<HFONT, GdiObjectTraits>;
using UniqueRegion = Unique<HRGN, GdiObjectTraits>;
using UniqueBrush = Unique<HBRUSH, GdiObjectTraits>;
using UniquePen = Unique<HPEN, GdiObjectTraits>;
using UniqueHwnd = Unique<HWND, WindowTraits>;
using UniqueMemoryDc = Unique<HDC, MemoryDcTraits>;
using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;

// GetDC / ReleaseDC of a window (nullptr: the screen).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~PaintDc() { EndPaint(window_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory DC with a bitmap of the given size selected, for composing off-screen.
class OffscreenSurface {
public:
    OffscreenSurface(HDC reference, int width, int height)
        : dc_(CreateCompatibleDC(reference)),
          bitmap_(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1)),
          selected_(dc_.get(), bitmap_.get()) {}
    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }

private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    Selected selected_;
};

}  // namespace kx90::ui
