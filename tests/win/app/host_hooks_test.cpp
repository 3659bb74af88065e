// The real low-level hooks and pointer settings under Wine: injected clicks are reported and,
// for a host action, withheld; pointer settings read back from the system.
#include <gtest/gtest.h>

#include <vector>

#include "core/buttons/host_actions.h"
#include "support/gui_harness.h"
#include "win/app/low_level_hooks.h"
#include "win/platform/host_system_win32.h"

namespace kx90::test {
namespace {

// A window that records every message it gets in the ranges the tests look at.
class RecorderWindow {
public:
    RecorderWindow(const wchar_t* title, int x, int y) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KX90HookRecorder";
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&wc);
        window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE, x, y, 200,
                                 150, nullptr, nullptr, wc.hInstance, this);
    }
    ~RecorderWindow() { DestroyWindow(window); }

    int Count(UINT message, WPARAM wParam) const {
        int n = 0;
        for (const MSG& m : seen) {
            n += (m.message == message && m.wParam == wParam) ? 1 : 0;
        }
        return n;
    }
    int Count(UINT message) const {
        int n = 0;
        for (const MSG& m : seen) {
            n += m.message == message ? 1 : 0;
        }
        return n;
    }

    HWND window = nullptr;
    std::vector<MSG> seen;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(
                hwnd, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        if (auto* self = reinterpret_cast<RecorderWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            self->seen.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

void InjectRightClickAt(HWND window) {
    RECT rc;
    GetWindowRect(window, &rc);
    SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PumpFor(std::chrono::milliseconds(50));
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

TEST(LowLevelHooks, InjectedClickIsReportedAndWithheldOnlyWhenItIsAHostAction) {
    RecorderWindow mainWindow(L"hook main", 10, 10);
    RecorderWindow underPointer(L"hook target", 400, 300);
    HookManager manager;
    LowLevelHooks hooks(manager);
    ASSERT_TRUE(hooks.Install(mainWindow.window));

    InjectRightClickAt(underPointer.window);
    ASSERT_TRUE(PumpUntil([&] { return underPointer.Count(WM_RBUTTONUP) == 1; }, std::chrono::seconds(5)))
        << "a plain click reaches the window under the pointer";
    EXPECT_EQ(underPointer.Count(WM_RBUTTONDOWN), 1);
    EXPECT_EQ(mainWindow.Count(kHostEventMessage, 0x204), 1);
    EXPECT_EQ(mainWindow.Count(kKeyCaptureMessage, 0x204), 1);

    manager.AddHostAction(0x204);
    InjectRightClickAt(underPointer.window);
    ASSERT_TRUE(
        PumpUntil([&] { return mainWindow.Count(kHostEventMessage, 0x204) == 2; }, std::chrono::seconds(5)))
        << "the armed press is still reported";
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(underPointer.Count(WM_RBUTTONDOWN), 1) << "press withheld";
    EXPECT_EQ(underPointer.Count(WM_RBUTTONUP), 1) << "its release withheld";
    EXPECT_EQ(mainWindow.Count(kKeyCaptureMessage, 0x204), 1) << "nothing forwarded for a withheld press";

    hooks.Remove();
    EXPECT_FALSE(hooks.Installed());
}

TEST(Win32HostSystem, PointerSettingsReadBackFromTheSystem) {
    int savedMouse[3] = {};
    UINT savedLines = 3;
    SystemParametersInfoW(SPI_GETMOUSE, 0, savedMouse, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &savedLines, 0);

    RecorderWindow mainWindow(L"settings main", 10, 10);
    Win32HostSystem host(mainWindow.window);
    ProfileRecord record;
    ResetToDefaults(record);
    record.enhancePrecision = 1;
    record.scrollLines = kScrollOneScreen;
    ApplySystemSettings(record, host);

    int mouse[3] = {};
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(mouse[0], 6);
    EXPECT_EQ(mouse[1], 10);
    EXPECT_EQ(mouse[2], 1);
    EXPECT_EQ(lines, WHEEL_PAGESCROLL);
    // Every setting is announced to the main window (the system's own broadcast comes on top).
    for (UINT action : {SPI_SETMOUSE, SPI_SETMOUSESPEED, SPI_SETWHEELSCROLLLINES}) {
        EXPECT_GE(mainWindow.Count(WM_SETTINGCHANGE, action), 1) << action;
    }

    record.enhancePrecision = 0;
    record.scrollLines = 7;
    ApplySystemSettings(record, host);
    SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(mouse[0] + mouse[1] + mouse[2], 0);
    EXPECT_EQ(lines, 7u);

    SystemParametersInfoW(SPI_SETMOUSE, 0, savedMouse, SPIF_UPDATEINIFILE);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, savedLines, nullptr, SPIF_UPDATEINIFILE);
}

}  // namespace
}  // namespace kx90::test
