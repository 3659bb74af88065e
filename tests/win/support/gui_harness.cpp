// Bounded message pumping, real pointer and key input, dialog answering and window capture for GUI tests.
#include "support/gui_harness.h"

#include <algorithm>
#include <cstdlib>
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

// Pumps until the thread's queue has stayed empty for a few turns: the injected event, what it set
// off (activation, capture changes, posted notifications, paints) and the X server's echo of the
// pointer warp are all handled then. Bounded, as every wait here.
void Settle() {
    constexpr int kQuietTurns = 3;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    int quiet = 0;
    while (quiet < kQuietTurns && std::chrono::steady_clock::now() < deadline) {
        PumpPending();
        quiet = HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0 ? quiet + 1 : 0;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    }
}

// A coordinate as SendInput takes it with MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK:
// 0..65535 over the virtual screen. It names the middle of the pixel, so the mapping back lands
// on that pixel whether the system rounds or truncates.
LONG Normalised(LONG value, LONG origin, LONG extent) {
    if (extent <= 0) {
        return 0;
    }
    const long long offset = std::clamp<long long>(value - origin, 0, extent - 1);
    return static_cast<LONG>((offset * 65536 + 32768) / extent);
}

// Where and when the last left press went in, so that two clicks a test makes one after the other
// stay two clicks: the system makes a double click of two presses close in place and time.
struct LastPress {
    bool valid = false;
    POINT at{};
    DWORD tick = 0;
};
LastPress lastPress;

void WaitOutDoubleClick(POINT screen) {
    if (!lastPress.valid || std::abs(screen.x - lastPress.at.x) > GetSystemMetrics(SM_CXDOUBLECLK) ||
        std::abs(screen.y - lastPress.at.y) > GetSystemMetrics(SM_CYDOUBLECLK)) {
        return;
    }
    const DWORD elapsed = GetTickCount() - lastPress.tick;
    const DWORD needed = GetDoubleClickTime() + 20;
    if (elapsed < needed) {
        PumpFor(std::chrono::milliseconds(needed - elapsed));
    }
}

// A key as the keyboard sends it: the virtual key with its scan code.
INPUT KeyInput(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

void PressLeft(POINT screen) {
    InjectPointer(screen, MOUSEEVENTF_LEFTDOWN);
    lastPress = LastPress{true, screen, GetTickCount()};
    Settle();
}

bool IsUnder(HWND window, POINT screen) {
    HWND hit = WindowFromPoint(screen);
    if (hit == nullptr) {
        return false;
    }
    if (hit == window || IsChild(window, hit)) {
        return true;
    }
    // A disabled control is skipped by hit testing: the press goes to its parent, as for a user.
    return !IsWindowEnabled(window) && IsChild(hit, window);
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

bool InjectPointer(POINT screen, DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx =
        Normalised(screen.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy =
        Normalised(screen.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttonFlags;
    return SendInput(1, &input, sizeof input) == 1;
}

bool InjectClick(POINT screen, std::chrono::milliseconds pause) {
    bool sent = true;
    for (DWORD flags : {DWORD{0}, DWORD{MOUSEEVENTF_LEFTDOWN}, DWORD{MOUSEEVENTF_LEFTUP}}) {
        sent = InjectPointer(screen, flags) && sent;
        std::this_thread::sleep_for(pause);
    }
    return sent;
}

bool InjectKey(WORD virtualKey) {
    INPUT keys[2] = {KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP)};
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

void RealMoveTo(POINT screen) {
    InjectPointer(screen);
    Settle();
}

void RealPressAt(POINT screen) {
    WaitOutDoubleClick(screen);
    RealMoveTo(screen);
    PressLeft(screen);
}

void RealReleaseAt(POINT screen) {
    RealMoveTo(screen);
    InjectPointer(screen, MOUSEEVENTF_LEFTUP);
    Settle();
}

bool EnsureOnTopAt(HWND window, POINT screen) {
    if (IsUnder(window, screen)) {
        return true;
    }
    HWND root = GetAncestor(window, GA_ROOT);
    if (root == nullptr) {
        return false;
    }
    // Under Wine without a window manager, the z-order alone decides which X window is hit;
    // raising it without activation keeps the activation a test has set up.
    SetWindowPos(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
    if (IsUnder(window, screen)) {
        return true;
    }
    SetForegroundWindow(root);
    Settle();
    return IsUnder(window, screen);
}

bool RealClickAt(HWND window, POINT client) {
    const POINT screen = ScreenPointOf(window, client);
    if (!EnsureOnTopAt(window, screen)) {
        return false;
    }
    RealPressAt(screen);
    RealReleaseAt(screen);
    return true;
}

bool RealClickControl(HWND control) {
    RECT rc{};
    GetClientRect(control, &rc);
    return RealClickAt(control, POINT{(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2});
}

bool RealDoubleClickAt(HWND window, POINT client) {
    const POINT screen = ScreenPointOf(window, client);
    if (!EnsureOnTopAt(window, screen)) {
        return false;
    }
    WaitOutDoubleClick(screen);
    RealMoveTo(screen);
    for (int i = 0; i < 2; ++i) {
        PressLeft(screen);
        InjectPointer(screen, MOUSEEVENTF_LEFTUP);
        Settle();
    }
    lastPress.valid = false;  // a third press would be a plain one again
    return true;
}

bool RealHoverAt(HWND window, POINT client) {
    const POINT screen = ScreenPointOf(window, client);
    if (!EnsureOnTopAt(window, screen)) {
        return false;
    }
    RealMoveTo(screen);
    return true;
}

void RealDragTo(POINT from, POINT to, int steps) {
    for (int i = 1; i <= steps; ++i) {
        RealMoveTo(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
}

void RealKeyDown(WORD virtualKey) {
    INPUT key = KeyInput(virtualKey, 0);
    SendInput(1, &key, sizeof key);
    Settle();
}

void RealKeyUp(WORD virtualKey) {
    INPUT key = KeyInput(virtualKey, KEYEVENTF_KEYUP);
    SendInput(1, &key, sizeof key);
    Settle();
}

void RealKey(WORD virtualKey) {
    RealKeyDown(virtualKey);
    RealKeyUp(virtualKey);
}

void RealType(const std::wstring& text) {
    // Each UTF-16 unit goes in as a VK_PACKET press and release; the loop turns it into WM_CHAR.
    std::vector<INPUT> keys;
    for (wchar_t unit : text) {
        for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT key{};
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = unit;
            key.ki.dwFlags = KEYEVENTF_UNICODE | up;
            keys.push_back(key);
        }
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    Settle();
}

void ParkPointer() {
    RealMoveTo(POINT{GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1,
                     GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1});
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

ForeignForeground::ForeignForeground() : thread_([this] { Run(); }) {
    PumpUntil([this] { return ready_.load(); }, std::chrono::seconds(10));
    // Wine tells a thread that it lost the activation only when its window was the foreground
    // one: make it so first, then let the other thread take the foreground. This thread pumps
    // meanwhile, to answer the other thread and to see its own deactivation.
    for (int attempt = 0; attempt < 5 && !Holds(); ++attempt) {
        HWND own = GetActiveWindow();
        if (own != nullptr && GetForegroundWindow() != own) {
            SetForegroundWindow(own);
            PumpFor(std::chrono::milliseconds(30));
        }
        take_ = true;
        PumpUntil([this] { return !take_.load() && Holds(); }, std::chrono::milliseconds(500));
    }
}

ForeignForeground::~ForeignForeground() {
    stop_ = true;
    PumpUntil([this] { return finished_.load(); }, std::chrono::seconds(10));
    thread_.join();
}

bool ForeignForeground::Holds() const {
    return GetForegroundWindow() == holder_ && GetActiveWindow() == nullptr;
}

void ForeignForeground::Run() {
    // Not shown: the activation needs no picture, and a shown window would cost Wine two seconds
    // to take down again.
    holder_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", L"another program", WS_POPUP, 0, 0,
                              100, 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ready_ = true;
    PumpUntil(
        [this] {
            if (take_.exchange(false)) {
                SetForegroundWindow(holder_);
            }
            return stop_.load();
        },
        std::chrono::minutes(5));
    DestroyWindow(holder_);
    finished_ = true;
}

HWND FindTopLevelWindow(const std::wstring& title, DWORD processId) {
    TopLevelSearch search{&title, processId};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOwnTopLevelWindow(const std::wstring& title) {
    return FindTopLevelWindow(title, GetCurrentProcessId());
}

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
            if (search.found == nullptr) {
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId_, BN_CLICKED), 0);
                answered_ = true;
                return;
            }
            // The button is pressed as a user presses it; the dialog's own thread handles the
            // input in its modal loop while this thread waits between the steps.
            const RECT button = WindowRectOf(search.found);
            const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
            if (EnsureOnTopAt(search.found, centre)) {
                answered_ = InjectClick(centre);
            } else {
                // Nobody could press it: end the loop all the same, and report no answer.
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId_, BN_CLICKED), 0);
            }
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
