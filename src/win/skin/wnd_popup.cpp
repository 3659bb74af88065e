// CWndPopup: creation, layered rendering, activation and mouse plumbing.
#include "win/skin/wnd_popup.h"

#include <algorithm>
#include <cstdint>

#include "core/layout/palette.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

constexpr uint32_t kMagenta = 0x00FF00FF;  // the text layer's transparent key, as DIB BGRA
constexpr int kCorner = 32;                // corners of the nine-part background

// A top-down 32-bit DIB section selected into a memory DC.
struct Layer {
    ui::UniqueMemoryDc dc;
    ui::UniqueBitmap bitmap;
    uint32_t* bits = nullptr;
    HGDIOBJ old = nullptr;
    Layer(HDC reference, int width, int height) : dc(CreateCompatibleDC(reference)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* raw = nullptr;
        bitmap.Reset(CreateDIBSection(reference, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
        bits = static_cast<uint32_t*>(raw);
        old = SelectObject(dc.get(), bitmap.get());
    }
    ~Layer() { SelectObject(dc.get(), old); }
};

// GDI leaves pure black where it drew black; black is also the colour key of a popup without a
// background, so real black becomes the nearest non-key colour.
uint32_t LiftBlack(uint32_t pixel) {
    return (pixel & 0x00FFFFFF) == 0 ? (pixel | 0x01) : pixel;
}

}  // namespace

CWndPopup::CWndPopup()
    // Smoothed glyph edges would blend with the magenta key of the text layer into pink fringes.
    : font_(ui::CreateUiFont(12, FW_NORMAL, L"Arial", DEFAULT_CHARSET, NONANTIALIASED_QUALITY)) {
    ui::EnsureGdiplus();
}

void CWndPopup::SetBackgroundImage(UINT pngResourceId) {
    background_ = ui::LoadPngResource(pngResourceId);
}

bool CWndPopup::CreatePopup(HWND owner, int x, int y, int right, int bottom, UINT message) {
    owner_ = owner;
    x_ = x;
    y_ = y;
    message_ = message;
    CreateArgs args;
    args.style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED;
    args.rect = RECT{x, y, right, bottom};
    args.parent = owner;
    if (!Create(args)) {
        delete this;  // the window never came to be, so nothing else will delete the popup
        return false;
    }
    ownsItself_ = true;
    return true;
}

bool CWndPopup::OnCreate() {
    FillItems();
    Render();
    SetWindowPos(hwnd(), HWND_TOPMOST, x_, y_, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
    // The popup takes the pointer with the activation: a control that held the capture for its
    // hover (the button that opened the popup) would otherwise get every move and press meant
    // for the rows.
    if (GetCapture() != nullptr) {
        ReleaseCapture();
    }
    return true;
}

void CWndPopup::DrawBackground(HDC dc, void* bits, int width, int height) {
    if (background_ == nullptr) {
        // No picture: a one-pixel blue frame round a white inside.
        ui::FillSolid(dc, RECT{0, 0, width, height}, layout::kAccentColor);
        ui::FillSolid(dc, RECT{1, 1, width - 1, height - 1}, 0xFFFFFF);
        auto* pixels = static_cast<uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i) {
            pixels[i] |= 0xFF000000;
        }
        return;
    }
    Gdiplus::Bitmap target(width, height, width * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits));
    Gdiplus::Graphics graphics(&target);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    const int iw = static_cast<int>(background_->GetWidth());
    const int ih = static_cast<int>(background_->GetHeight());
    const int c = std::min({kCorner, iw / 2, ih / 2, width / 2, height / 2});
    // Nine parts: corners as they are, edges stretched along their length, the centre both ways.
    const int sx[4] = {0, c, iw - c, iw};
    const int sy[4] = {0, c, ih - c, ih};
    const int dx[4] = {0, c, width - c, width};
    const int dy[4] = {0, c, height - c, height};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Gdiplus::Rect dst(dx[col], dy[row], dx[col + 1] - dx[col], dy[row + 1] - dy[row]);
            if (dst.Width > 0 && dst.Height > 0) {
                graphics.DrawImage(background_.get(), dst, sx[col], sy[row], sx[col + 1] - sx[col],
                                   sy[row + 1] - sy[row], Gdiplus::UnitPixel);
            }
        }
    }
}

void CWndPopup::Render() {
    RECT rc;
    GetWindowRect(hwnd(), &rc);
    const int width = ui::Width(rc);
    const int height = ui::Height(rc);
    if (width <= 0 || height <= 0) {
        return;
    }
    ui::WindowDc screen(nullptr);
    Layer back(screen.get(), width, height);
    Layer text(screen.get(), width, height);
    if (back.bits == nullptr || text.bits == nullptr) {
        return;
    }
    const size_t count = static_cast<size_t>(width) * height;
    DrawBackground(back.dc.get(), back.bits, width, height);

    // Texts on magenta: magenta becomes transparent, the rest opaque, then over the background.
    GdiFlush();
    for (size_t i = 0; i < count; ++i) {
        text.bits[i] = kMagenta;
    }
    DrawTexts(text.dc.get());
    GdiFlush();
    for (size_t i = 0; i < count; ++i) {
        const uint32_t pixel = text.bits[i] & 0x00FFFFFF;
        if (pixel != kMagenta) {
            back.bits[i] = LiftBlack(pixel) | 0xFF000000;
        }
    }
    {
        Gdiplus::Bitmap target(width, height, width * 4, PixelFormat32bppPARGB,
                               reinterpret_cast<BYTE*>(back.bits));
        Gdiplus::Graphics graphics(&target);
        DrawImages(graphics);
    }
    for (size_t i = 0; i < count; ++i) {
        if ((back.bits[i] >> 24) != 0) {
            back.bits[i] = LiftBlack(back.bits[i]);
        }
    }

    POINT origin{rc.left, rc.top};
    POINT zero{0, 0};
    SIZE size{width, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const DWORD flags = background_ != nullptr ? ULW_ALPHA : ULW_COLORKEY;
    UpdateLayeredWindow(hwnd(), screen.get(), &origin, &size, back.dc.get(), &zero, RGB(0, 0, 0), &blend,
                        flags);
}

LRESULT CWndPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTCLIENT;  // the whole window is client area
        case WM_MOUSEHOVER:
        case WM_MOUSELEAVE:
            if (message == WM_MOUSELEAVE) {
                tracking_ = false;
            }
            if (!buttonDown_) {
                POINT at;
                GetCursorPos(&at);
                ScreenToClient(hwnd(), &at);
                HitTestMove(at);
            }
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

bool CWndPopup::OnMouseMove(UINT, POINT at) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd(), 50};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    if (!buttonDown_ && HitTestMove(at)) {
        Render();
    }
    return true;
}

bool CWndPopup::OnLButtonDown(UINT, POINT at) {
    buttonDown_ = true;
    SetCapture(hwnd());
    HandlePress(at);
    return true;
}

bool CWndPopup::OnLButtonUp(UINT, POINT at) {
    ReleaseCapture();
    buttonDown_ = false;
    HandleRelease(at);
    return true;
}

bool CWndPopup::OnActivate(bool active) {
    if (!active) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    }
    return false;
}

bool CWndPopup::OnClose() {
    if (owner_ != nullptr) {
        SendMessageW(owner_, msg::kPopupClosed, 0, 0);
    }
    DestroyWindow(hwnd());
    return true;
}

}  // namespace kx90::skin
