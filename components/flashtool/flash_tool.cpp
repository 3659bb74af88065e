// FlashTool.exe: the firmware flashing program of the installation. This build writes no firmware;
// it says so, and shows the language argument it was started with and the image it would flash.
#include <windows.h>

#include <string>

#include "notice_window.h"

namespace {

// The newest firmware image the update check left in new_version beside this program.
std::wstring FindImage(const std::wstring& folder) {
    const std::wstring patterns[] = {L"\\new_version\\*.bin", L"\\new_version\\*.hex", L"\\new_version\\*.img"};
    for (const std::wstring& pattern : patterns) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            return folder + L"\\new_version\\" + found.cFileName;
        }
    }
    return {};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring language = (commandLine != nullptr && commandLine[0] != L'\0') ? commandLine : L"(none)";
    const bool chinese = language == L"1";
    const std::wstring image = FindImage(kx90::ExecutableFolder());

    kx90::NoticeWindowArgs args;
    args.title = L"KX90 Flash Tool";
    args.heading = chinese ? L"KX90 固件升级工具" : L"KX90 firmware flash tool";
    args.lines = {
        L"Language argument: " + language,
        L"Firmware image: " + (image.empty() ? std::wstring(L"none found in new_version") : image),
        chinese ? L"此版本不写入固件。" : L"This build does not write firmware to the mouse.",
    };
    return kx90::RunNoticeWindow(instance, args);
}
