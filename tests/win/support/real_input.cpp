// SendInput-based pointer moves, clicks, drags and keys for GUI tests.
#include "support/real_input.h"

#include "support/gui_harness.h"

namespace kx90::test::real {
namespace {

constexpr auto kSettle = std::chrono::milliseconds(30);

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD virtualKey, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// 0..65535 over the virtual screen; the system maps n back to n x size / 65536, so the pixel's
// value is rounded up.
LONG Normalised(int pixel, int origin, int size) {
    const long long offset = pixel - origin;
    return static_cast<LONG>((offset * 65536 + size - 1) / size);
}

bool PointerAt(POINT screen) {
    POINT now{};
    GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
}

}  // namespace

bool MoveTo(POINT screen) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
              Normalised(screen.x, left, width), Normalised(screen.y, top, height));
    const bool arrived = PumpUntil([&] { return PointerAt(screen); }, std::chrono::seconds(2));
    PumpFor(kSettle);
    return arrived;
}

void ButtonDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpFor(kSettle);
}

void ButtonUp() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpFor(kSettle);
}

void ClickAt(POINT screen) {
    MoveTo(screen);
    ButtonDown();
    ButtonUp();
}

void DoubleClickAt(POINT screen) {
    MoveTo(screen);
    // Both clicks go in at once, so pumping cannot stretch them past the double-click time.
    INPUT inputs[4] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
    }
    inputs[0].mi.dwFlags = inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = inputs[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(4, inputs, sizeof(INPUT));
    PumpFor(std::chrono::milliseconds(100));
}

void DragTo(POINT from, POINT to, int steps) {
    for (int i = 1; i <= steps; ++i) {
        MoveTo(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
}

void KeyDown(WORD virtualKey) {
    SendKey(virtualKey, static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)), 0);
    PumpFor(kSettle);
}

void KeyUp(WORD virtualKey) {
    SendKey(virtualKey, static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP);
    PumpFor(kSettle);
}

void Key(WORD virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void Type(const std::wstring& text) {
    for (wchar_t ch : text) {
        SendKey(0, ch, KEYEVENTF_UNICODE);
        SendKey(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    PumpFor(std::chrono::milliseconds(50));
}

POINT OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

}  // namespace kx90::test::real
