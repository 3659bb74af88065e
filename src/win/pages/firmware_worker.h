// FirmwareCheckWorker: the update check's thread. It waits on UpdateCheckEvent, runs the one
// download it was handed (the server's description or the firmware image) and posts the outcome
// to the window that asked; it never shows anything itself, so no dialog belongs to it.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/platform/downloader.h"
#include "core/platform/manual_reset_event.h"

namespace kx90::pages {

struct FirmwareDownloadJob {
    uint32_t request = 0;  // echoed in the message's wParam
    std::u16string url;
    std::filesystem::path target;  // replaced only by a complete download
    DownloadLimits limits;
    HWND replyTo = nullptr;
    UINT message = 0;           // posted with wParam request, lParam DownloadStatus
    DownloadProgress progress;  // called on the worker thread, may be empty
};

class FirmwareCheckWorker {
public:
    // runFlag is cleared (and event set) to end the thread; both outlive the worker.
    FirmwareCheckWorker(Downloader& downloader, ManualResetEvent& event, std::atomic<int>& runFlag);
    ~FirmwareCheckWorker();
    FirmwareCheckWorker(const FirmwareCheckWorker&) = delete;
    FirmwareCheckWorker& operator=(const FirmwareCheckWorker&) = delete;

    void Start();
    // Ends the thread: the run flag cleared, a download under way cancelled, the event set; waits
    // for the thread at most maxWaitMs (then once more, unbounded, in the destructor).
    bool Stop(uint32_t maxWaitMs);
    // User-interface thread: the job replaces one not yet taken, and the worker wakes.
    void Post(FirmwareDownloadJob job);

private:
    void Run();

    Downloader& downloader_;
    ManualResetEvent& event_;
    std::atomic<int>& runFlag_;
    std::mutex mutex_;
    std::optional<FirmwareDownloadJob> job_;
    std::atomic<bool> running_{false};
    std::thread thread_;
};

}  // namespace kx90::pages
