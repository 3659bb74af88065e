// The profile writer's reports as window messages: progress to the progress window, the outcome
// to the main window.
#pragma once

#include <windows.h>

#include <atomic>

#include "core/platform/write_sink.h"
#include "win/pages/progress_dialog.h"

namespace kx90 {

class Win32WriteSink final : public WriteSink {
public:
    explicit Win32WriteSink(CDlgProgress& progress) : progress_(progress) {}

    // The main window while it exists; null once it is closing.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MainWindow() const { return mainWindow_.load(); }

    bool MainWindowAlive() override;
    void Progress(int percent) override;
    void Succeeded() override;
    void Failed(int code) override;
    void CloseProgress() override;

private:
    // The progress window is created by the user-interface thread right after it wakes the writer;
    // a report that comes first waits for it (bounded) rather than being lost, because the window
    // only closes itself on 100 %.
    HWND WaitForProgressWindow() const;

    CDlgProgress& progress_;
    std::atomic<HWND> mainWindow_{nullptr};
};

}  // namespace kx90
