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

    // The main window while it exists; null once it is closing (the outcome then goes nowhere).
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MainWindow() const { return mainWindow_.load(); }

    bool MainWindowAlive() override;
    void Progress(int percent) override;
    void Succeeded() override;
    void Failed(int code) override;
    void CloseProgress() override;

private:
    // Progress never waits for the progress window: the window keeps what comes before it is up
    // (it is made right after the writer wakes) and drops what comes after it has closed.
    CDlgProgress& progress_;
    std::atomic<HWND> mainWindow_{nullptr};
};

}  // namespace kx90
