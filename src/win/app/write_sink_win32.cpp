#include "win/app/write_sink_win32.h"

#include <chrono>
#include <thread>

#include "win/ui/messages.h"

namespace kx90 {

bool Win32WriteSink::MainWindowAlive() {
    HWND window = mainWindow_.load();
    return window != nullptr && IsWindow(window);
}

HWND Win32WriteSink::WaitForProgressWindow() const {
    constexpr auto kMaxWait = std::chrono::milliseconds(3000);
    const auto until = std::chrono::steady_clock::now() + kMaxWait;
    HWND window = progress_.Handle();
    while (window == nullptr && std::chrono::steady_clock::now() < until && mainWindow_.load() != nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        window = progress_.Handle();
    }
    return window;
}

void Win32WriteSink::Progress(int percent) {
    if (HWND window = WaitForProgressWindow()) {
        PostMessageW(window, msg::kWriteProgress, static_cast<WPARAM>(percent), 0);
    }
}

void Win32WriteSink::Succeeded() {
    PostMessageW(mainWindow_.load(), msg::kWriteSucceeded, 0, 0);
}

void Win32WriteSink::Failed(int code) {
    PostMessageW(mainWindow_.load(), msg::kWriteFailed, 0, static_cast<LPARAM>(code));
}

void Win32WriteSink::CloseProgress() {
    if (HWND window = progress_.Handle()) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

}  // namespace kx90
