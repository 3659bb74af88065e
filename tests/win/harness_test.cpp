// The GUI test harness itself: a real window is clicked with real pointer input (raised first
// when covered), the pointer lands where it is sent, a modal message box is answered, and the
// window captured to a PNG.
#include <gtest/gtest.h>

#include <fstream>

#include "support/gui_harness.h"

namespace kx90::test {
namespace {

constexpr int kButtonId = 1001;
constexpr COLORREF kBackground = RGB(0x1E, 0x20, 0x24);

struct ProbeWindow {
    HWND window = nullptr;
    HWND button = nullptr;
    int clicks = 0;
};

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* probe = reinterpret_cast<ProbeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED && probe != nullptr) {
                ++probe->clicks;
            }
            return 0;
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(window, &rc);
            HBRUSH brush = CreateSolidBrush(kBackground);
            FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
            DeleteObject(brush);
            return 1;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class HarnessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParkPointer();
        WNDCLASSW wc{};
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KX90HarnessProbe";
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&wc);
        probe_.window =
            CreateWindowExW(0, wc.lpszClassName, L"Harness probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                            320, 200, nullptr, nullptr, wc.hInstance, &probe_);
        ASSERT_NE(probe_.window, nullptr);
        probe_.button =
            CreateWindowExW(0, L"BUTTON", L"Press me", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120, 32,
                            probe_.window, reinterpret_cast<HMENU>(kButtonId), wc.hInstance, nullptr);
        ASSERT_NE(probe_.button, nullptr);
        PumpFor(std::chrono::milliseconds(100));
    }
    void TearDown() override { DestroyWindow(probe_.window); }

    ProbeWindow probe_;
};

TEST_F(HarnessTest, ClickingAChildControlReachesItsParent) {
    EXPECT_TRUE(RealClickControl(probe_.button));
    EXPECT_TRUE(PumpUntil([&] { return probe_.clicks == 1; }, std::chrono::seconds(2)));

    // A press that is released outside the button is no click.
    RealPressAt(ScreenPointOf(probe_.button, POINT{5, 5}));
    RealReleaseAt(ScreenPointOf(probe_.window, POINT{250, 120}));
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(probe_.clicks, 1);
}

TEST_F(HarnessTest, TheRealPointerLandsOnTheExactPixel) {
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const POINT points[] = {{0, 0}, {1, 1}, {width - 1, height - 1}, {641, 479}, {127, 1001}, {1003, 17}};
    for (const POINT& p : points) {
        RealMoveTo(p);
        POINT at{};
        GetCursorPos(&at);
        EXPECT_EQ(at.x, p.x) << p.x << "," << p.y;
        EXPECT_EQ(at.y, p.y) << p.x << "," << p.y;
    }
}

TEST_F(HarnessTest, AClickOnACoveredWindowRaisesItFirst) {
    RECT rc;
    GetWindowRect(probe_.button, &rc);
    HWND cover = CreateWindowExW(0, L"KX90HarnessProbe", L"cover", WS_POPUP | WS_VISIBLE, rc.left - 5,
                                 rc.top - 5, 200, 60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(cover, nullptr);
    PumpFor(std::chrono::milliseconds(50));
    const POINT centre{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ASSERT_EQ(WindowFromPoint(centre), cover);
    EXPECT_TRUE(RealClickControl(probe_.button));
    EXPECT_TRUE(PumpUntil([&] { return probe_.clicks == 1; }, std::chrono::seconds(2)));
    EXPECT_NE(WindowFromPoint(centre), cover);
    DestroyWindow(cover);
}

TEST_F(HarnessTest, ModalMessageBoxIsAnsweredByItsButtonText) {
    DialogAnswerer answer(L"Harness question", L"OK");
    const int result = MessageBoxW(probe_.window, L"Proceed?", L"Harness question", MB_OKCANCEL);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(result, IDOK);
    EXPECT_NE(answer.SeenTexts().find(L"Proceed?"), std::wstring::npos) << "the text the dialog showed";
}

TEST_F(HarnessTest, UnansweredWaitEndsAtItsBound) {
    DialogAnswerer answer(L"No such window", L"OK", IDOK, std::chrono::milliseconds(100));
    EXPECT_FALSE(answer.Answered());
    EXPECT_FALSE(PumpUntil([] { return false; }, std::chrono::milliseconds(50)));
}

TEST_F(HarnessTest, CaptureWritesAPngOfWhatTheWindowShows) {
    const std::filesystem::path file = ScreenshotDir() / "harness_probe.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(CaptureWindowToPng(probe_.window, file));

    std::ifstream in(file, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    ASSERT_TRUE(in);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG");
    RECT rc;
    GetWindowRect(probe_.window, &rc);
    const int width = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
    const int height = (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23];
    EXPECT_EQ(width, rc.right - rc.left);
    EXPECT_EQ(height, rc.bottom - rc.top);
    EXPECT_EQ(WindowPixel(probe_.window, POINT{300 - 30, 150}), kBackground);
}

}  // namespace
}  // namespace kx90::test
