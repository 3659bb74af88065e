// NorviUpdate.exe: the external updater the program starts a few seconds after it comes up. This
// build has no update service behind it; it says so and what it was started with.
#include <windows.h>

#include <string>

#include "notice_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring arguments = (commandLine != nullptr && commandLine[0] != L'\0') ? commandLine : L"(none)";
    kx90::NoticeWindowArgs args;
    args.title = L"Norvi Update";
    args.heading = L"Norvi update";
    args.lines = {
        L"Arguments: " + arguments,
        L"No update service is configured in this build; nothing was changed.",
    };
    args.closeAfterMs = 5000;
    return kx90::RunNoticeWindow(instance, args);
}
