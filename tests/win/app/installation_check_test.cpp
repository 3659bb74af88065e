// A damaged installation at start-up: the info dialog names each missing file, and without
// HidBridge.dll the program ends instead of sitting in the tray without a word.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "main_window_fixture.h"

namespace kx90::test {
namespace {

using namespace std::chrono_literals;

// Answers info dialogs one after another from a second thread and keeps their messages; gives up
// after the time.
class InfoDialogsAnswerer {
public:
    explicit InfoDialogsAnswerer(std::chrono::milliseconds timeout)
        : thread_([this, timeout] { Run(timeout); }) {}
    ~InfoDialogsAnswerer() { Stop(); }
    InfoDialogsAnswerer(const InfoDialogsAnswerer&) = delete;
    InfoDialogsAnswerer& operator=(const InfoDialogsAnswerer&) = delete;

    std::vector<std::wstring> Texts() {
        std::lock_guard lock(mutex_);
        return texts_;
    }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    void Run(std::chrono::milliseconds timeout) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        HWND answered = nullptr;
        while (!stop_ && std::chrono::steady_clock::now() < until) {
            HWND dialog = FindOwnTopLevelWindow(skin::kInfoDialogTitle);
            const bool fresh =
                dialog != nullptr && IsWindowVisible(dialog) && (dialog != answered || !IsWindow(answered));
            if (fresh) {
                if (auto* info = dynamic_cast<skin::CDlgInfo*>(ui::Window::FromHandle(dialog))) {
                    std::lock_guard lock(mutex_);
                    texts_.push_back(info->messageText);
                }
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                answered = dialog;
                // The next dialog may reuse the handle: wait until this one has gone.
                const auto gone = std::chrono::steady_clock::now() + 5s;
                while (IsWindow(dialog) && IsWindowVisible(dialog) &&
                       std::chrono::steady_clock::now() < gone) {
                    std::this_thread::sleep_for(10ms);
                }
                answered = IsWindow(dialog) ? dialog : nullptr;
            }
            std::this_thread::sleep_for(20ms);
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

TEST_F(MainWindowTest, WithoutHidBridgeTheInfoDialogNamesItAndTheProgramEnds) {
    struct Row {
        const char* why;
        bool truncatedBridge;
        int languageType;
        std::wstring expected;
    };
    const Row rows[] = {
        {"missing, English installation", false, 0, L"HidBridge.dll missing. Reinstall."},
        {"truncated, English installation", true, 0, L"HidBridge.dll damaged. Reinstall."},
        {"missing, Chinese installation", false, 1,
         L"\u7F3A\u5C11 HidBridge.dll\uFF0C\u8BF7\u91CD\u65B0\u5B89\u88C5"},
    };
    for (const Row& row : rows) {
        const std::filesystem::path noBridge = Install().parent_path() / "no-bridge";
        std::error_code ec;
        std::filesystem::remove_all(noBridge, ec);
        if (row.truncatedBridge) {
            std::filesystem::create_directories(noBridge);
            std::ofstream(noBridge / "HidBridge.dll", std::ios::binary) << "MZ";
        }
        InfoDialogsAnswerer answerer(15s);
        MainWindowSetup setup;
        setup.bridgeMissing = true;
        setup.languageType = row.languageType;
        EXPECT_FALSE(Launch(setup)) << row.why;
        EXPECT_TRUE(PumpUntil([this] { return !Window().Running(); }, 10s))
            << row.why << ": the program ends";
        answerer.Stop();
        EXPECT_EQ(answerer.Texts(), std::vector<std::wstring>{row.expected}) << row.why;
        Close();
    }
}

TEST_F(MainWindowTest, EachMissingFileOfTheInstallationIsToldOnceAndTheWindowStillShows) {
    InfoDialogsAnswerer answerer(30s);
    MainWindowSetup setup;
    setup.checkInstallation = true;  // the test installation has no FlashTool, updater or INI
    ASSERT_TRUE(Launch(setup));
    PumpFor(1000ms);
    answerer.Stop();
    EXPECT_EQ(answerer.Texts(), (std::vector<std::wstring>{L"FlashTool.exe missing. Reinstall.",
                                                           L"NorviUpdate.exe missing. Reinstall.",
                                                           L"KX90Driver.ini missing. Reinstall."}));
}

}  // namespace
}  // namespace kx90::test
