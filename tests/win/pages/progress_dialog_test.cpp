// The progress window run modally while another thread plays the profile writer: the bar follows
// the progress, the window goes half a second after 100 %, the keyboard cannot close it, Close()
// can; the writer's reports through the sink, which never wait for the window; and the flash tool
// hand-off.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "../../core/support/temp_dir.h"
#include "core/device/profile_writer.h"
#include "skin/skin_fixture.h"
#include "win/app/write_sink_win32.h"
#include "win/pages/progress_dialog.h"
#include "win/platform/host_system_win32.h"

namespace kx90::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr POINT kBarOrigin{35, 47};  // the bar's place in the window, client pixels
constexpr int kBarWidth = 260;

std::wstring InstallDir() {
    return SkinDir().wstring();  // holds skins\ProgressBar like the installation
}

// Whether the status line's box shows light text over the dark background.
bool ShowsStatusText(HWND window) {
    int light = 0;
    for (int y = 22; y < 40; y += 2) {
        for (int x = 35; x < 200; x += 2) {
            const COLORREF c = WindowPixel(window, {x, y});
            light += (GetRValue(c) > 0x60 && GetGValue(c) > 0x60 && GetBValue(c) > 0x60) ? 1 : 0;
        }
    }
    return light > 20;
}

// Waits (bounded) on a worker thread for the dialog's window to be up.
HWND WaitForWindow(const CDlgProgress& dialog, milliseconds timeout = milliseconds(5000)) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
        if (HWND window = dialog.Handle(); window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    return nullptr;
}

bool WaitUntilGone(HWND window, milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
        if (!IsWindow(window)) {
            return true;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
    return false;
}

// A worker thread that runs the script against the dialog while the test thread sits in RunModal.
class Writer {
public:
    template <typename Script>
    explicit Writer(Script script) : thread_(script) {}
    ~Writer() { thread_.join(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

private:
    std::thread thread_;
};

TEST(ProgressDialog, BarFollowsEachStepAndTheWindowClosesHalfASecondAfterFull) {
    const UiLanguage english;
    HostWindow owner;
    ASSERT_TRUE(owner.Open(40, 40, 200, 120));
    CDlgProgress dialog(InstallDir(), english);

    std::vector<int> steps;
    for (int p = 0; p <= 90; p += 7) {
        steps.push_back(p);
    }
    steps.push_back(90);
    std::vector<int> seen;
    std::vector<int> badPixels;
    bool foundWindow = false;
    bool titleRight = false;
    bool textShown = false;
    bool ownerDisabled = false;
    RECT barRect{};
    SIZE windowSize{};
    long long hiddenAfter = 0;
    {
        Writer writer([&] {
            HWND window = WaitForWindow(dialog);
            foundWindow = window != nullptr;
            if (!foundWindow) {
                return;
            }
            wchar_t title[64] = {};
            GetWindowTextW(window, title, 64);
            titleRight = std::wstring(title) == kProgressWindowText;
            ownerDisabled = !IsWindowEnabled(owner.hwnd());
            textShown = ShowsStatusText(window);
            RECT r;
            GetWindowRect(window, &r);
            windowSize = SIZE{r.right - r.left, r.bottom - r.top};
            if (HWND bar = GetDlgItem(window, 777); bar != nullptr) {
                GetWindowRect(bar, &barRect);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&barRect), 2);
            }
            for (int p : steps) {
                // Sent, so the step has been painted when the call returns.
                SendMessageW(window, msg::kWriteProgress, static_cast<WPARAM>(p), 0);
                seen.push_back(dialog.Position());
                if (p == 0 || p >= 50) {
                    // Filled up to the bar's share, empty after it.
                    const int filled = kBarWidth * p / 100;
                    const COLORREF inside =
                        WindowPixel(window, {kBarOrigin.x + filled - 3, kBarOrigin.y + 4});
                    const COLORREF after = WindowPixel(window, {kBarOrigin.x + filled + 3, kBarOrigin.y + 4});
                    if ((p > 0 && inside == after) ||
                        (p == 0 && after != WindowPixel(window, {kBarOrigin.x + 100, kBarOrigin.y + 4}))) {
                        badPixels.push_back(p);
                    }
                }
            }
            if (!CaptureWindowToPng(window, ScreenshotDir() / "progress_window_en.png")) {
                badPixels.push_back(-1);
            }
            // Hidden is what the user sees; under Wine without a window manager the destruction that
            // follows waits up to 2 s for the X server to confirm the unmapping.
            const auto full = Clock::now();
            PostMessageW(window, msg::kWriteProgress, 100, 0);
            const auto end = full + milliseconds(5000);
            while (IsWindow(window) && IsWindowVisible(window) && Clock::now() < end) {
                std::this_thread::sleep_for(milliseconds(2));
            }
            hiddenAfter = std::chrono::duration_cast<milliseconds>(Clock::now() - full).count();
        });
        dialog.RunModal(owner.hwnd());
    }
    ASSERT_TRUE(foundWindow);
    EXPECT_TRUE(titleRight);
    EXPECT_TRUE(textShown);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_EQ(windowSize.cx, 330);
    EXPECT_EQ(windowSize.cy, 90);
    EXPECT_EQ(barRect.left, 35);
    EXPECT_EQ(barRect.top, 47);
    EXPECT_EQ(barRect.right, 295);
    EXPECT_EQ(barRect.bottom, 56);
    EXPECT_EQ(seen, steps);
    EXPECT_TRUE(badPixels.empty()) << "first bad step " << badPixels.front();
    EXPECT_EQ(dialog.Position(), 100);
    EXPECT_GE(hiddenAfter, 450);
    EXPECT_LT(hiddenAfter, 1000);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(ProgressDialog, KeyboardCannotCloseItButTheSystemMenuCan) {
    UiLanguage chinese;
    chinese.SetChinese(true);
    CDlgProgress dialog(InstallDir(), chinese);
    bool stayedUp = false;
    bool textShown = false;
    bool closedBySystemMenu = false;
    {
        Writer writer([&] {
            HWND window = WaitForWindow(dialog);
            if (window == nullptr) {
                return;
            }
            PostMessageW(window, msg::kWriteProgress, 42, 0);
            const LPARAM alt = 1 << 29;
            for (WPARAM key : {VK_ESCAPE, VK_RETURN, VK_SPACE}) {
                PostMessageW(window, WM_KEYDOWN, key, 1);
                PostMessageW(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
            }
            PostMessageW(window, WM_SYSKEYDOWN, VK_F4, alt | 1);
            std::this_thread::sleep_for(milliseconds(600));
            stayedUp = IsWindow(window) && IsWindowVisible(window);
            textShown = ShowsStatusText(window);
            CaptureWindowToPng(window, ScreenshotDir() / "progress_window_zh.png");
            // Alt+Space, Close.
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            closedBySystemMenu = WaitUntilGone(window, milliseconds(3000));
        });
        dialog.RunModal(nullptr);
    }
    EXPECT_TRUE(stayedUp);
    EXPECT_TRUE(textShown);
    EXPECT_TRUE(closedBySystemMenu);
    EXPECT_EQ(dialog.Position(), 42);
}

// What a failed write looks like: progress stops part-way and the main window closes the window,
// from its own thread; Close() from another thread works too, and with no window it does nothing.
TEST(ProgressDialog, CloseEndsTheModalRunFromEitherThread) {
    const UiLanguage english;
    CDlgProgress dialog(InstallDir(), english);
    dialog.Close();  // not shown: nothing happens

    static CDlgProgress* target = nullptr;
    target = &dialog;
    const UINT_PTR timer = SetTimer(nullptr, 0, 400, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        target->Close();
    });
    std::atomic<bool> sentProgress{false};
    {
        Writer writer([&] {
            if (HWND window = WaitForWindow(dialog)) {
                PostMessageW(window, msg::kWriteProgress, 35, 0);
                sentProgress = true;
            }
        });
        const auto start = Clock::now();
        dialog.RunModal(nullptr);
        EXPECT_LT(Clock::now() - start, milliseconds(3000));
    }
    KillTimer(nullptr, timer);
    EXPECT_TRUE(sentProgress);
    EXPECT_EQ(dialog.Handle(), nullptr);

    // The object is reused for the next write, which starts again at 0 and is closed from outside.
    bool startedAtZero = false;
    {
        Writer writer([&] {
            if (WaitForWindow(dialog) != nullptr) {
                startedAtZero = dialog.Position() == 0;
                dialog.Close();
            }
        });
        const auto start = Clock::now();
        dialog.RunModal(nullptr);
        EXPECT_LT(Clock::now() - start, milliseconds(5000));
    }
    EXPECT_TRUE(startedAtZero);
}

// Without its pictures the window has no size, but the run and the close at 100 % are the same.
TEST(ProgressDialog, MissingPicturesStillCloseAtFull) {
    TempDir empty;
    const UiLanguage english;
    CDlgProgress dialog(empty.path().wstring(), english);
    {
        Writer writer([&] {
            const auto end = Clock::now() + milliseconds(5000);
            while (dialog.Handle() == nullptr && Clock::now() < end) {
                std::this_thread::sleep_for(milliseconds(10));
            }
            PostMessageW(dialog.Handle(), msg::kWriteProgress, 100, 0);
        });
        const auto start = Clock::now();
        dialog.RunModal(nullptr);
        EXPECT_LT(Clock::now() - start, milliseconds(3000));
    }
    EXPECT_EQ(dialog.Position(), 100);
}

// The writer's reports as the sink delivers them. The writer thread must never stall on the
// progress window, whatever became of it.
class WriteSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(main_.Open(40, 40, 200, 120, L"KX90 sink test main"));
        sink_.SetMainWindow(main_.hwnd());
    }

    // How long a write's progress reports take to hand over.
    milliseconds TimeOfReports(std::initializer_list<int> percents) {
        const auto start = Clock::now();
        for (int p : percents) {
            sink_.Progress(p);
        }
        return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    }

    const UiLanguage english_;
    HostWindow main_;
    CDlgProgress dialog_{InstallDir(), english_};
    Win32WriteSink sink_{dialog_};
};

TEST_F(WriteSinkTest, ReportsNeverWaitForAProgressWindowThatIsNotComing) {
    EXPECT_LT(TimeOfReports({0, 7, 100}), milliseconds(300)) << "no write announced";

    // A write is announced, but its window cannot be made (the owner is no window).
    dialog_.ExpectWrite();
    EXPECT_EQ(dialog_.RunModal(reinterpret_cast<HWND>(static_cast<intptr_t>(0x7FFF0))), -1);
    EXPECT_LT(TimeOfReports({0, 7, 100}), milliseconds(300)) << "the window could not be made";
}

// Progress that comes before the window is kept (the latest percent) and shown when it appears, so
// a 100 that came first still closes it.
TEST_F(WriteSinkTest, ProgressBeforeTheWindowIsShownWhenItAppears) {
    dialog_.ExpectWrite();  // as the main window does before it wakes the writer
    EXPECT_LT(TimeOfReports({35, 100}), milliseconds(300));
    std::atomic<bool> modalEnded{false};
    {
        // Should the window stay up, it is closed after a while so the test ends.
        Writer guard([&] {
            const auto end = Clock::now() + milliseconds(6000);
            while (!modalEnded && Clock::now() < end) {
                std::this_thread::sleep_for(milliseconds(20));
            }
            if (!modalEnded) {
                dialog_.Close();
            }
        });
        const auto start = Clock::now();
        dialog_.RunModal(main_.hwnd());
        modalEnded = true;
        EXPECT_LT(Clock::now() - start, milliseconds(3000)) << "closed by the 100 it found waiting";
    }
    EXPECT_EQ(dialog_.Position(), 100);
}

// The user may close the window through its system menu in the middle of a write; what the writer
// reports after that goes nowhere, at once.
TEST_F(WriteSinkTest, ProgressAfterTheWindowClosedIsDroppedAtOnce) {
    dialog_.ExpectWrite();
    bool shownBeforeClose = false;
    bool gone = false;
    milliseconds afterClose{0};
    {
        Writer writer([&] {
            HWND window = WaitForWindow(dialog_);
            if (window == nullptr) {
                return;
            }
            sink_.Progress(42);
            const auto end = Clock::now() + milliseconds(2000);
            while (dialog_.Position() != 42 && Clock::now() < end) {
                std::this_thread::sleep_for(milliseconds(5));
            }
            shownBeforeClose = dialog_.Position() == 42;
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            gone = WaitUntilGone(window, milliseconds(5000));
            afterClose = TimeOfReports({60, 70, 75, 80, 90, 100});
        });
        dialog_.RunModal(main_.hwnd());
    }
    EXPECT_TRUE(shownBeforeClose);
    EXPECT_TRUE(gone);
    EXPECT_LT(afterClose, milliseconds(300));
    EXPECT_EQ(dialog_.Position(), 42);
}

// The outcome goes to the main window; once it is gone (the program is closing) it goes nowhere:
// a post to no window would land in the posting thread's own queue.
TEST_F(WriteSinkTest, OutcomesReachTheMainWindowAndNothingElseOnceItIsGone) {
    main_.Record(msg::kWriteSucceeded);
    main_.Record(msg::kWriteFailed);
    sink_.Succeeded();
    sink_.Failed(kFailDpiTable);
    PumpFor(milliseconds(50));
    EXPECT_EQ(main_.Of(msg::kWriteSucceeded).size(), 1u);
    ASSERT_EQ(main_.Of(msg::kWriteFailed).size(), 1u);
    EXPECT_EQ(main_.Of(msg::kWriteFailed)[0].lParam, kFailDpiTable);

    sink_.SetMainWindow(nullptr);
    MSG m{};
    while (PeekMessageW(&m, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE)) {
    }
    sink_.Succeeded();
    sink_.Failed(kFailKeyMatrix);
    EXPECT_FALSE(PeekMessageW(&m, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE))
        << "posted to the thread: 0x" << std::hex << m.message;
}

// The hand-off starts the flasher with the language argument and closes the main window.
TEST(FlashToolHandOff, StartsTheFlasherWithTheLanguageAndClosesTheMainWindow) {
    const std::filesystem::path flasher =
        SkinDir().parent_path() / "components" / "flashtool" / "FlashTool.exe";
    if (!std::filesystem::exists(flasher)) {
        GTEST_SKIP() << "FlashTool.exe is not built";
    }
    TempDir install;
    std::filesystem::create_directories(install.path() / "FWUpdate");
    std::filesystem::copy_file(flasher, install.path() / "FWUpdate" / "FlashTool.exe");

    for (const bool chinese : {true, false}) {
        Win32HostSystem host;
        HostWindow main;
        ASSERT_TRUE(main.Open(60, 60, 100, 60, L"KX90 hand-off test"));
        main.Record(WM_CLOSE);
        EXPECT_TRUE(LaunchFlashTool(host, install.path().wstring(),
                                    chinese ? PairLanguage::kChinese : PairLanguage::kEnglish, main.hwnd()));
        PumpFor(milliseconds(50));
        EXPECT_EQ(main.Of(WM_CLOSE).size(), 1u);

        HWND flash = nullptr;
        const std::wstring expected = std::wstring(L"Language argument: ") + (chinese ? L"1" : L"0");
        HWND line = nullptr;
        PumpUntil(
            [&] {
                flash = FindWindowW(nullptr, L"KX90 Flash Tool");
                line = flash != nullptr ? FindWindowExW(flash, nullptr, nullptr, expected.c_str()) : nullptr;
                return line != nullptr;
            },
            milliseconds(15000));
        EXPECT_NE(line, nullptr) << (chinese ? "Chinese" : "English");
        if (flash != nullptr) {
            DWORD process = 0;
            GetWindowThreadProcessId(flash, &process);
            PostMessageW(flash, WM_CLOSE, 0, 0);
            if (HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process)) {
                if (WaitForSingleObject(h, 5000) != WAIT_OBJECT_0) {
                    TerminateProcess(h, 1);
                }
                CloseHandle(h);
            }
        }
    }
}

}  // namespace
}  // namespace kx90::test
