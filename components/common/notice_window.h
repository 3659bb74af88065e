// A small dark window that states what a helper program of the installation is and what it was
// given, then closes by itself. Shared by FlashTool.exe and NorviUpdate.exe.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kx90 {

struct NoticeWindowArgs {
    std::wstring title;               // window title, also how tests find the window
    std::wstring heading;             // large accent-coloured line
    std::vector<std::wstring> lines;  // one static control each, readable with GetWindowText
    UINT closeAfterMs = 10000;        // 0 = stays until closed
};

// Shows the window and runs its message loop; returns when it is closed.
int RunNoticeWindow(HINSTANCE instance, const NoticeWindowArgs& args);

// The folder of this executable, without a trailing backslash.
std::wstring ExecutableFolder();

}  // namespace kx90
