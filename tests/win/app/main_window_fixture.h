// The real main window in the test process: an installation folder of its own (factory files,
// small language files, the built skins when there are any), a data folder of its own, and the
// virtual mouse behind the device link.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "../../core/support/temp_dir.h"
#include "core/device/virtual_mouse.h"
#include "core/i18n/language_strings.h"
#include "core/i18n/ui_language.h"
#include "core/profile/factory_files.h"
#include "support/gui_harness.h"
#include "win/app/app_state.h"
#include "win/app/main_window.h"
#include "win/skin/dlg_info.h"

namespace kx90::test {

inline std::filesystem::path ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

// Answers the next info dialog from a second thread: reads its message, then presses OK. Every
// wait is bounded.
class InfoAnswerer {
public:
    // command: IDOK presses OK, IDCANCEL Cancel.
    explicit InfoAnswerer(std::chrono::milliseconds timeout = std::chrono::seconds(15), int command = IDOK)
        : command_(command), thread_([this, timeout] { Run(timeout); }) {}
    ~InfoAnswerer() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    InfoAnswerer(const InfoAnswerer&) = delete;
    InfoAnswerer& operator=(const InfoAnswerer&) = delete;

    // Whether the thread has answered a dialog or given up.
    bool Done() const { return done_; }
    // Waits for the thread; the message of the answered dialog, or empty when none came.
    std::wstring Text() {
        if (thread_.joinable()) {
            thread_.join();
        }
        return text_;
    }

private:
    void Run(std::chrono::milliseconds timeout) {
        struct MarkDone {
            std::atomic<bool>& done;
            ~MarkDone() { done = true; }
        } mark{done_};
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            HWND dialog = FindOwnTopLevelWindow(skin::kInfoDialogTitle);
            // The answer is posted, so the dialog answered last may still be on the screen for a
            // moment: it is not answered twice (the next one would then go unanswered).
            if (dialog != nullptr && IsWindowVisible(dialog) && dialog != lastAnswered_) {
                if (auto* info = dynamic_cast<skin::CDlgInfo*>(ui::Window::FromHandle(dialog))) {
                    text_ = info->messageText;
                }
                lastAnswered_ = dialog;
                PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(command_), 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    int command_;
    static inline std::atomic<HWND> lastAnswered_{nullptr};
    std::atomic<bool> done_{false};
    std::wstring text_;
    std::thread thread_;
};

struct MainWindowSetup {
    int languageType = 0;       // skins\languagetype.ini: 1 = Chinese installation
    int32_t languageIndex = 2;  // the saved language (factory Language.cfg)
    bool mousePresent = true;
    bool installedLanguages = false;  // the build's full language files, when installed
    bool skinMenuMissing = false;     // SkinMenu.dll looked for where there is none
    std::string updateServer;         // KX90Driver.ini's [Update] Server, when not empty
    PathChooser* paths = nullptr;     // the file dialogs' answers; null: the system's dialogs
    bool keepData = false;            // start again on the data folder of the last start
    bool checkInstallation = false;   // start-up checks FlashTool.exe, NorviUpdate.exe, the INI
    bool bridgeMissing = false;       // HidBridge.dll looked for where there is none
};

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override { Close(); }

    std::filesystem::path Install() const { return temp_.path() / "install"; }
    std::filesystem::path Data() const { return temp_.path() / "data" / "NORVI" / "KX90"; }

    // Lays out the installation and starts the window; true once it shows.
    bool Launch(const MainWindowSetup& setup = {}) {
        std::error_code ec;
        if (!setup.keepData) {
            std::filesystem::remove_all(temp_.path() / "data", ec);  // every start is a first run
        }
        PrepareInstallation(setup);
        auto transport = std::make_unique<VirtualMouse>(SystemClock());
        mouse_ = transport.get();
        if (!setup.mousePresent) {
            mouse_->PresentedInterfaces().clear();
        }
        AppOptions options;
        options.folders = DataFolders{Data(), Install()};
        options.transport = std::move(transport);
        options.bridgeFolder = (ExeFolder() / ".." / ".." / "components" / "hidbridge").wstring();
        options.paths = setup.paths;
        options.checkInstallation = setup.checkInstallation;
        if (setup.bridgeMissing) {
            options.bridgeFolder = (temp_.path() / "no-bridge").wstring();
        }
        if (setup.skinMenuMissing) {
            options.skinMenuFolder = (temp_.path() / "no-skin-menu").wstring();
        }
        state_ = std::make_unique<AppState>(std::move(options));
        window_ = std::make_unique<CKX77DriverDlg>(*state_);
        if (!window_->Start()) {
            return false;
        }
        if (!setup.mousePresent || setup.bridgeMissing) {
            return false;
        }
        const bool shown =
            PumpUntil([this] { return IsWindowVisible(window_->hwnd()) != FALSE; }, std::chrono::seconds(10));
        PumpFor(std::chrono::milliseconds(200));  // the saved language arrives by message
        return shown;
    }

    void Close() {
        if (window_ != nullptr && window_->Running()) {
            PostMessageW(window_->hwnd(), WM_CLOSE, 0, 0);
            PumpUntil([this] { return !window_->Running(); }, std::chrono::seconds(5));
        }
        window_.reset();
        state_.reset();
    }

    // Clicks the middle of one of the main window's controls.
    void Click(HWND control) { EXPECT_TRUE(RealClickControl(control)) << "the control is under the pointer"; }

    CKX77DriverDlg& Window() { return *window_; }
    AppState& State() { return *state_; }
    VirtualMouse& Mouse() { return *mouse_; }

private:
    static void WriteText(const std::filesystem::path& path, const std::string& text) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string LanguageFile(const std::string& main, const std::string& ok) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language name=\"t\">\n  <config>\n    "
               "<str_main>" +
               main + "</str_main>\n    <str_ok>" + ok + "</str_ok>\n  </config>\n</language>\n";
    }

    void PrepareInstallation(const MainWindowSetup& setup) {
        ASSERT_TRUE(WriteFactoryFiles(Install()));
        std::ofstream(Install() / "Language.cfg", std::ios::binary)
            .write(reinterpret_cast<const char*>(&setup.languageIndex), sizeof(setup.languageIndex));
        WriteText(Install() / "skins" / "languagetype.ini",
                  "[languagetype]\r\nvalue=" + std::to_string(setup.languageType) + "\r\n");
        WriteText(Install() / "Language" / "en.xml", LanguageFile("Performance", "OK"));
        WriteText(Install() / "Language" / "sc.xml",
                  LanguageFile("\xE6\x80\xA7\xE8\x83\xBD", "\xE7\xA1\xAE\xE5\xAE\x9A"));
        WriteText(Install() / "Language" / "tw.xml",
                  LanguageFile("\xE6\x95\x88\xE8\x83\xBD", "\xE7\xA2\xBA\xE5\xAE\x9A"));
        std::error_code ec;
        if (setup.installedLanguages) {
            std::filesystem::copy(
                ExeFolder() / ".." / ".." / "install" / "Language", Install() / "Language",
                std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
                ec);
        }
        std::filesystem::create_directories(Install() / "FWUpdate" / "new_version");
        if (!setup.updateServer.empty()) {
            WriteText(Install() / "KX90Driver.ini", "[Update]\r\nServer=" + setup.updateServer + "\r\n");
        }
        // The skins as the build drew them, when it drew any.
        const std::filesystem::path built = ExeFolder() / ".." / ".." / "skin" / "skins";
        std::filesystem::copy(
            built, Install() / "skins",
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing, ec);
    }

    TempDir temp_;
    VirtualMouse* mouse_ = nullptr;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<CKX77DriverDlg> window_;
};

}  // namespace kx90::test
