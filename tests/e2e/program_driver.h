// Driving the installed program from outside, as a user would: starting it with its own
// environment, finding its windows, pressing its shaped buttons, leaving through the tray menu.
// Shared by the end-to-end test and the screenshot mode of run.sh.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/layout/geometry.h"
#include "support/gui_harness.h"
#include "win/ui/messages.h"

namespace kx90::e2e {

using std::chrono::milliseconds;

inline constexpr wchar_t kMainWindowTitle[] = L"Norvi KX90 Gaming Mouse Driver";
inline constexpr wchar_t kProgressWindowTitle[] = L"NorviKX90ProcessDlg";
inline constexpr wchar_t kInfoWindowTitle[] = L"NorviKX90InfoDlg";
inline constexpr wchar_t kFlashToolTitle[] = L"KX90 Flash Tool";

// Environment changes for a child: a value sets the variable, nullopt removes it.
using EnvironmentChanges = std::vector<std::pair<std::wstring, std::optional<std::wstring>>>;

// A program started by the driver. The destructor ends it if it still runs, so a failed check
// never leaves a copy behind for the next one.
class ChildProgram {
public:
    ChildProgram() = default;
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // CreateProcessW with this process's environment plus the changes (a Unicode block, which
    // Wine's GetTempPathW follows for TMP and TEMP).
    bool Start(const std::filesystem::path& program, const std::wstring& arguments,
               const EnvironmentChanges& changes);
    HANDLE process() const { return process_; }
    DWORD id() const { return id_; }
    // Waits for the end; the exit code, or nullopt when it still runs after the timeout.
    std::optional<DWORD> WaitForExit(milliseconds timeout) const;
    bool Running() const;
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Polls until the predicate holds or the time is up; never waits without a bound.
bool WaitUntil(const std::function<bool()>& predicate, milliseconds timeout,
               milliseconds step = milliseconds(5));

// The centre of a shaped button's outline, in window pixels.
POINT QuadCentre(const layout::Quad& quad);

// The child of the main window under a point given in window pixels (disabled ones included).
HWND ChildAt(HWND main, POINT windowPoint);

// Clicks a point in window pixels with the real pointer (SendInput, as the GUI tests do): the
// system routes the press across the process boundary, with hit testing, capture and activation.
// When another window covers the point, the main window is raised first. False when no child of
// the main window is under the point.
bool PointerClickAt(HWND main, POINT windowPoint);

// A visible layered popup of that process other than the main window (the language popup), or
// null.
HWND FindPopupOf(DWORD process, HWND main);

// The visible page (a child of the page's size at the page's place), or null.
HWND VisiblePage(HWND main);

// Captures what the screen shows of the window into a PNG file.
bool CaptureWindow(HWND window, const std::filesystem::path& path);

// Ends the program as a user does: the tray icon's right-click menu, then "Exit" (the second row,
// chosen with real key presses, which reach the menu's own loop as the foreground's input). When
// the keys do not end it, they are posted to the menu window; when no menu appears, the menu's
// command is posted. how tells which way it went.
bool ExitThroughTray(HWND main, const ChildProgram& program, milliseconds timeout, std::wstring& how);

// The text of a file, or nullopt.
std::optional<std::string> ReadText(const std::filesystem::path& path);

// Narrow text of a wide string for the log (UTF-8).
std::string Narrow(const std::wstring& text);

}  // namespace kx90::e2e
