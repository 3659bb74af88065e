// Helpers for GUI tests of real windows under Wine: bounded message pumping, clicks and keys,
// answering modal dialogs, and capturing a window into a PNG file.
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

// Real pointer and keyboard input. Every press and move goes through SendInput as absolute pointer
// moves over the virtual screen, the path a user's mouse takes, and keys go in as a keyboard's: the
// system picks the window (capture, hit testing, activation on a press, double clicks, focus), so
// a test passes only where a user would succeed.
// The Real... functions are for windows of the calling thread: they run its message loop after
// each step until the input is handled (bounded). The Inject... functions further down never pump;
// they are for windows of another thread or process, for example from a second thread while the
// test thread sits in a modal loop.
// A press close to the previous one waits out the double-click time first, so two clicks stay two
// clicks (RealDoubleClickAt makes the double click on purpose).

// Moves the pointer to a screen point (the left button stays as it is).
void RealMoveTo(POINT screen);
// Moves there, then presses or releases the left button there.
void RealPressAt(POINT screen);
void RealReleaseAt(POINT screen);

// Clicks a point of the window's client area: moves there, presses, releases. When another window
// covers the point, the window's top-level window is raised first (see EnsureOnTopAt). False
// when the window is still not the one under the point (nothing is pressed then).
bool RealClickAt(HWND window, POINT client);
// Clicks the middle of a control's client area.
bool RealClickControl(HWND control);
// Two clicks in quick succession at the same point (a double click for a CS_DBLCLKS class).
bool RealDoubleClickAt(HWND window, POINT client);
// Moves the pointer over a point of the window's client area (raising it like RealClickAt).
bool RealHoverAt(HWND window, POINT client);
// Moves the pointer from one screen point to another in even steps, pumping after each, the left
// button staying as it is: between RealPressAt and RealReleaseAt, a drag the window follows step
// by step.
void RealDragTo(POINT from, POINT to, int steps = 8);

// Real keys, pumped the same way: the focused window of this thread gets them through its loop
// (with TranslateMessage, so a key that makes a character makes it).
// Presses and releases a key (virtual-key code), or does only one of the two.
void RealKey(WORD virtualKey);
void RealKeyDown(WORD virtualKey);
void RealKeyUp(WORD virtualKey);
// Types text as Unicode characters (independent of the keyboard layout).
void RealType(const std::wstring& text);

// Makes the window (or one of its children) the window under the screen point for hit testing.
// Nothing changes when it already is, so the activation a test sets up stays as it is; otherwise
// the top-level window is brought to the top of the z-order, and made foreground when that is not
// enough. True when the window is under the point afterwards.
bool EnsureOnTopAt(HWND window, POINT screen);

// Puts the pointer in the far corner of the screen, where no test places a window, so a test
// starts without anything under the pointer.
void ParkPointer();

// The raw steps, without pumping (for driving other threads and processes): one absolute move of
// the pointer to the point carrying the button change (0, MOUSEEVENTF_LEFTDOWN, ...). False when
// the system did not take the event.
bool InjectPointer(POINT screen, DWORD buttonFlags = 0);
// A whole left click at a point for a window of another thread or process: move, press,
// release, with a pause after each step so the owner's loop handles them one at a time.
bool InjectClick(POINT screen, std::chrono::milliseconds pause = std::chrono::milliseconds(30));
// Presses and releases a key (virtual-key code, with its scan code) as the keyboard does.
bool InjectKey(WORD virtualKey);

// Another program holding the activation, played by a thread of this process (its own input
// queue, as another process has): its window is the foreground one and no window of this thread
// is active. This is the state a program is in after start-up once the updater's notice has come
// and gone (Wine hands the activation to its own tray window). The destructor ends the thread
// (bounded).
class ForeignForeground {
public:
    ForeignForeground();
    ~ForeignForeground();
    ForeignForeground(const ForeignForeground&) = delete;
    ForeignForeground& operator=(const ForeignForeground&) = delete;

    // The window that holds the foreground.
    HWND Holder() const { return holder_; }

    // The other thread's window is the foreground and no window of this thread is active.
    bool Holds() const;

private:
    void Run();

    HWND holder_ = nullptr;
    std::atomic<bool> ready_{false};
    std::atomic<bool> take_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

// Finds a visible top-level window whose title is exactly the text, of one process (0: any).
HWND FindTopLevelWindow(const std::wstring& title, DWORD processId);
// The same, in this process.
HWND FindOwnTopLevelWindow(const std::wstring& title);

// Answers a modal dialog from a second thread while the test thread sits in the dialog's own loop:
// waits (bounded) for a top-level window with the given title, then clicks its child button whose
// text is buttonText with real input, or, when there is no such button, posts WM_COMMAND with
// commandId. A button that is not under the pointer's reach counts as not answered (the command is
// posted all the same, so the dialog's loop ends).
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
