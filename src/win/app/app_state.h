// Everything the program shares between its main window and its worker threads, owned in one
// place for the life of the process (or of a test).
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "core/buttons/hook_manager.h"
#include "core/device/hid_transport.h"
#include "core/device/profile_writer.h"
#include "core/device/usb_driver.h"
#include "core/i18n/ui_language.h"
#include "core/macro/macro_library.h"
#include "core/platform/clock.h"
#include "core/platform/data_folders.h"
#include "core/platform/manual_reset_event.h"
#include "core/profile/profile_state.h"
#include "win/app/low_level_hooks.h"
#include "win/app/write_sink_win32.h"
#include "win/device/win_driver_host.h"
#include "win/pages/firmware_worker.h"
#include "win/pages/progress_dialog.h"
#include "win/platform/downloader_win32.h"
#include "win/platform/host_system_win32.h"
#include "win/platform/notifier_win32.h"
#include "win/platform/path_chooser_win32.h"
#include "win/skin/skin_menu_library.h"

namespace kx90 {

struct AppOptions {
    DataFolders folders;
    // The device link's transport; null: chosen from KX90_VIRTUAL_MOUSE as the program does.
    std::unique_ptr<HidTransport> transport;
    // Where HidBridge.dll and SkinMenu.dll are looked for; empty: the usual search (the program's
    // folder first).
    std::wstring bridgeFolder;
    std::wstring skinMenuFolder;
    // The file dialogs' answers; null: the system's dialogs.
    PathChooser* paths = nullptr;
    // Whether start-up checks the installation's other files (FlashTool.exe, NorviUpdate.exe,
    // KX90Driver.ini); the program does, a test's partial installation need not.
    bool checkInstallation = false;
};

class AppState {
public:
    explicit AppState(AppOptions options);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    const DataFolders& Folders() const { return folders_; }
    std::wstring InstallDir() const { return folders_.installDir.wstring(); }
    std::wstring DataDir() const { return folders_.dataDir.wstring(); }

    // The writer thread, once the mouse was opened at start-up; false when it never started.
    void StartWriter();
    bool WriterStarted() const { return writer_ != nullptr; }
    // The update check's thread, started once the window is up.
    void StartUpdateWorker() { updates.Start(); }
    // Clears both run flags, wakes both threads and gives them at most a second to end (a download
    // under way is cancelled).
    void StopWorkers();
    // The file dialogs the pages use: the system's, or the ones a test gave.
    PathChooser& Paths() { return pathsOverride_ != nullptr ? *pathsOverride_ : paths; }
    bool ChecksInstallation() const { return checkInstallation_; }
    // The bridge library the device link loads.
    std::filesystem::path BridgeFile() const;

    Clock& clock;
    // The interface language: first in the state, every part below may read it.
    UiLanguage language;
    Win32Notifier notifier;
    Win32HostSystem host;
    Win32PathChooser paths;
    skin::SkinMenuLibrary skinMenu;
    ProfileState profiles;
    MacroLibrary macros;
    HookManager hookManager;
    LowLevelHooks hooks;
    ManualResetEvent applyEvent;
    ManualResetEvent updateCheckEvent;
    std::atomic<int> writeIdle{1};
    std::atomic<int> updateRunFlag{1};
    CDlgProgress progress;
    Win32WriteSink sink;
    Win32Downloader downloader;
    pages::FirmwareCheckWorker updates;

private:
    PathChooser* pathsOverride_ = nullptr;
    bool checkInstallation_ = false;
    std::wstring bridgeFolder_;
    DataFolders folders_;
    std::unique_ptr<HidTransport> transport_;
    WinDriverHost driverHost_;

public:
    CUSBDriver driver;

private:
    std::unique_ptr<ProfileWriter> writer_;
};

}  // namespace kx90
