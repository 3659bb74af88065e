// Win32WriteSink: the writer's reports posted to the progress window and the main window.
#include "win/app/write_sink_win32.h"

#include "win/ui/messages.h"

namespace kx90 {

bool Win32WriteSink::MainWindowAlive() {
    HWND window = mainWindow_.load();
    return window != nullptr && IsWindow(window);
}

void Win32WriteSink::Progress(int percent) {
    progress_.ReportProgress(percent);
}

// A post to no window would go to the writer thread's own queue, where nobody reads it.
void Win32WriteSink::Succeeded() {
    if (HWND window = mainWindow_.load()) {
        PostMessageW(window, msg::kWriteSucceeded, 0, 0);
    }
}

void Win32WriteSink::Failed(int code) {
    if (HWND window = mainWindow_.load()) {
        PostMessageW(window, msg::kWriteFailed, 0, static_cast<LPARAM>(code));
    }
}

void Win32WriteSink::CloseProgress() {
    if (HWND window = progress_.Handle()) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

}  // namespace kx90
