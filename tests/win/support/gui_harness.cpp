// Bounded message pumping, synthetic clicks, dialog answering and window capture for GUI tests.
#include "support/gui_harness.h"

#include <vector>

#include "support/png_writer.h"

namespace kx90::test {
namespace {

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LPARAM PointParam(POINT p) {
    return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

// Reads a window's text without sending it WM_GETTEXT: the answering thread must never wait on the
// test thread, which may be blocked waiting for the answer.
std::wstring WindowTextOf(HWND window) {
    wchar_t buffer[512] = {};
    InternalGetWindowText(window, buffer, 512);
    return buffer;
}

struct ChildSearch {
    const std::wstring* text;
    HWND found = nullptr;
    std::wstring seen;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    const std::wstring text = WindowTextOf(child);
    if (!text.empty()) {
        if (!search->seen.empty()) {
            search->seen += L'|';
        }
        search->seen += text;
    }
    if (search->found == nullptr && !search->text->empty() && text == *search->text) {
        search->found = child;
    }
    return TRUE;
}

struct TopLevelSearch {
    const std::wstring* title;
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if ((search->process == 0 || process == search->process) && IsWindowVisible(window) &&
        WindowTextOf(window) == *search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

RECT WindowRectOf(HWND window) {
    RECT rc{};
    GetWindowRect(window, &rc);
    return rc;
}

void RouteMouse(UINT message, POINT screen, UINT keys) {
    SetCursorPos(screen.x, screen.y);
    HWND target = GetCapture();
    if (target == nullptr) {
        target = WindowFromPoint(screen);
    }
    if (target == nullptr) {
        return;
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    SendMessageW(target, message, keys, PointParam(client));
    PumpPending();
}

bool WritePixels(int width, int height, const std::function<bool(HDC)>& draw,
                 const std::filesystem::path& path) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    const bool drawn = draw(memory);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<const uint32_t*>(bits),
                                 static_cast<const uint32_t*>(bits) + static_cast<size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return drawn && WritePng(path, width, height, pixels);
}

}  // namespace

void MoveMouseTo(POINT screen, UINT keys) {
    RouteMouse(WM_MOUSEMOVE, screen, keys);
}
void PressAt(POINT screen) {
    RouteMouse(WM_LBUTTONDOWN, screen, MK_LBUTTON);
}
void ReleaseAt(POINT screen) {
    RouteMouse(WM_LBUTTONUP, screen, 0);
}

POINT ScreenPointOf(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

COLORREF ScreenPixel(POINT screen) {
    HDC dc = GetDC(nullptr);
    const COLORREF color = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return color;
}

bool CaptureScreenRectToPng(const RECT& wanted, const std::filesystem::path& path) {
    // Only what lies on the screen can be read; a copy reaching past its edge copies nothing.
    const RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT screen{};
    IntersectRect(&screen, &wanted, &bounds);
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return WritePixels(
        width, height,
        [&](HDC memory) {
            HDC source = GetDC(nullptr);
            const bool copied =
                BitBlt(memory, 0, 0, width, height, source, screen.left, screen.top, SRCCOPY) != FALSE;
            ReleaseDC(nullptr, source);
            return copied;
        },
        path);
}

bool PumpUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpPending();
        if (predicate()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

void ClickAt(HWND window, POINT client) {
    const LPARAM at = PointParam(client);
    SendMessageW(window, WM_MOUSEMOVE, 0, at);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    PumpPending();
}

void ClickControl(HWND control) {
    RECT rc{};
    GetClientRect(control, &rc);
    ClickAt(control, POINT{(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2});
}

void HoverAt(HWND window, POINT client) {
    SendMessageW(window, WM_MOUSEMOVE, 0, PointParam(client));
    PumpPending();
}

HWND FindTopLevelWindow(const std::wstring& title, DWORD processId) {
    TopLevelSearch search{&title, processId};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOwnTopLevelWindow(const std::wstring& title) { return FindTopLevelWindow(title, GetCurrentProcessId()); }

DialogAnswerer::DialogAnswerer(std::wstring title, std::wstring buttonText, int commandId,
                               std::chrono::milliseconds timeout, std::filesystem::path screenshot)
    : title_(std::move(title)),
      buttonText_(std::move(buttonText)),
      commandId_(commandId),
      timeout_(timeout),
      screenshot_(std::move(screenshot)) {
    thread_ = std::thread([this] { Run(); });
}

DialogAnswerer::~DialogAnswerer() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool DialogAnswerer::Answered() {
    // Keep this thread's windows responsive while the answering thread looks at them.
    PumpUntil([this] { return finished_.load(); }, timeout_ + std::chrono::seconds(1));
    if (thread_.joinable()) {
        thread_.join();
    }
    return answered_;
}

std::wstring DialogAnswerer::SeenTexts() {
    Answered();
    return seenTexts_;
}

void DialogAnswerer::Run() {
    struct Finish {
        std::atomic<bool>& flag;
        ~Finish() { flag = true; }
    } finish{finished_};
    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    while (std::chrono::steady_clock::now() < deadline) {
        if (HWND dialog = FindOwnTopLevelWindow(title_)) {
            if (!screenshot_.empty()) {
                Sleep(300);  // let the dialog paint itself in its own loop
                CaptureScreenRectToPng(WindowRectOf(dialog), screenshot_);
            }
            ChildSearch search{&buttonText_};
            EnumChildWindows(dialog, VisitChild, reinterpret_cast<LPARAM>(&search));
            seenTexts_ = search.seen;
            if (search.found != nullptr) {
                // Posted, not sent: the dialog's own thread handles the click in its modal loop.
                PostMessageW(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                PostMessageW(search.found, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            } else {
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId_, BN_CLICKED), 0);
            }
            answered_ = true;
            return;
        }
        Sleep(20);
    }
}

bool CaptureWindowToPng(HWND window, const std::filesystem::path& path) {
    RECT rc{};
    if (!GetWindowRect(window, &rc)) {
        return false;
    }
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    // Let pending paints land first, then copy from the window's own surface (works while covered).
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    return WritePixels(
        width, height,
        [&](HDC memory) {
            HDC source = GetWindowDC(window);
            const bool copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
            ReleaseDC(window, source);
            return copied;
        },
        path);
}

std::filesystem::path ScreenshotDir() {
    wchar_t buffer[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"KX90_SCREENSHOT_DIR", buffer, MAX_PATH) > 0) {
        return buffer;
    }
    return L"screenshots";
}

COLORREF WindowPixel(HWND window, POINT client) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, client.x, client.y);
    ReleaseDC(window, dc);
    return color;
}

}  // namespace kx90::test
