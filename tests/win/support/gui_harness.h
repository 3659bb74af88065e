// Helpers for GUI tests of real windows under Wine: bounded message pumping, clicks, answering
// modal dialogs, and capturing a window into a PNG file.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace kx90::test {

// Runs the thread's message loop until the predicate holds or the time is up. Returns whether the
// predicate held. Never waits without a bound: a test that hangs tells nothing.
bool PumpUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout);

// Runs the message loop for a while (lets posted messages and timers arrive).
void PumpFor(std::chrono::milliseconds duration);

// Presses and releases the left button at a point in the window's client coordinates, as the
// window would see it from the system (WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP), then pumps.
void ClickAt(HWND window, POINT client);

// Clicks the middle of a control's client area.
void ClickControl(HWND control);

// Moves the pointer over a point of the window (WM_MOUSEMOVE only), then pumps.
void HoverAt(HWND window, POINT client);

// Finds a visible top-level window whose title is exactly the text, of one process (0: any).
HWND FindTopLevelWindow(const std::wstring& title, DWORD processId);
// The same, in this process.
HWND FindOwnTopLevelWindow(const std::wstring& title);

// Answers a modal dialog from a second thread while the test thread sits in the dialog's own loop:
// waits (bounded) for a top-level window with the given title, then clicks its child button whose
// text is buttonText, or, when there is no such button, posts WM_COMMAND with commandId.
class DialogAnswerer {
public:
    // screenshot: when not empty, the dialog is captured to this PNG file before it is answered.
    DialogAnswerer(std::wstring title, std::wstring buttonText, int commandId = IDOK,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10),
                   std::filesystem::path screenshot = {});
    ~DialogAnswerer();  // joins the thread
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the thread to finish; true when a dialog was found and answered.
    bool Answered();
    // Every text of the dialog's children seen when it was answered, joined by '|'.
    std::wstring SeenTexts();

private:
    void Run();

    std::wstring title_;
    std::wstring buttonText_;
    int commandId_;
    std::chrono::milliseconds timeout_;
    std::filesystem::path screenshot_;
    std::atomic<bool> answered_{false};
    std::atomic<bool> finished_{false};
    std::wstring seenTexts_;
    std::thread thread_;
};

// Mouse input as the system routes it: the message goes to the window holding the capture, else
// to the window under the point, in that window's client coordinates; the cursor moves there too.
// keys: the MK_ flags the message carries.
void MoveMouseTo(POINT screen, UINT keys = 0);
void PressAt(POINT screen);
void ReleaseAt(POINT screen);

// A point of a window's client area in screen coordinates.
POINT ScreenPointOf(HWND window, POINT client);

// What the screen shows at a point (layered windows included), as COLORREF.
COLORREF ScreenPixel(POINT screen);

// Captures a rectangle of the screen (layered popups, several windows at once) into a PNG file.
bool CaptureScreenRectToPng(const RECT& screen, const std::filesystem::path& path);

// Captures what the window shows (with its frame when it has one) into a 24-bit PNG file.
bool CaptureWindowToPng(HWND window, const std::filesystem::path& path);

// Where GUI tests put their screenshots: KX90_SCREENSHOT_DIR, or "screenshots" in the current folder.
std::filesystem::path ScreenshotDir();

// Reads one pixel of what the window shows, as COLORREF (client coordinates).
COLORREF WindowPixel(HWND window, POINT client);

}  // namespace kx90::test
